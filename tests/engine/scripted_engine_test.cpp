#include "support/scripted_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvex::testing {
namespace {

using namespace tarvex::engine;

// Program tests lean on the double: it must hand back the record as the program sent it
// and answer in the scripted order.
TEST(ScriptedEngine, RecordsCallsAndAnswersInScriptedOrder) {
  ScriptedEngine engine;
  engine.initializeStatus = kStatusFilesLocked;
  engine.QueueRating(ScriptedEngine::Answer({{H13, "1234"}, {H20, "250.00"}}));
  engine.QueueRating(ScriptedEngine::Refuse(" 216"));

  EXPECT_EQ(engine.InitializeVorn("/p/"), kStatusFilesLocked);
  EXPECT_EQ(engine.Set_Vorndata("/p/"), 0);
  EngineRecord r;
  r.setText(H2, "OLD");
  r.setText(H7, "30301");
  engine.RateShipment(r);
  EXPECT_FALSE(Refused(r));
  EXPECT_EQ(r.trimmed(H13), "1234");
  r.setText(H7, "M5V3L9");
  engine.RateShipment(r);
  EXPECT_EQ(r.text(H2), " 216");
  engine.RateShipment(r);  // the default reply: answered, nothing else written
  EXPECT_FALSE(Refused(r));
  TableRecord t;
  engine.GetTables(t);
  engine.EndVorn();

  EXPECT_EQ(engine.callNames(),
            (std::vector<std::string>{"InitializeVorn", "Set_Vorndata", "RateShipment",
                                      "RateShipment", "RateShipment", "GetTables", "EndVorn"}));
  EXPECT_EQ(engine.calls()[0].argument, "/p/");
  EXPECT_EQ(engine.count("RateShipment"), 3);
  const auto sent = engine.rated();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].text(H2), "OLD ");
  EXPECT_EQ(sent[0].trimmed(H7), "30301");
  EXPECT_EQ(sent[1].trimmed(H7), "M5V3L9");
  EXPECT_EQ(engine.lastRated().text(H2), " 216");
}

}  // namespace
}  // namespace tarvex::testing

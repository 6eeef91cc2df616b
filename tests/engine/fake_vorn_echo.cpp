// A test engine with all five entry points that answers so a test can see what crossed:
// the start-up statuses come from the path's length, a rating echoes request fields back.
#include <cstring>

#include "engine/engine_record.h"
#include "engine/vorn_abi.h"

namespace {
bool ended = false;
}

extern "C" {

int16_t Vorn_InitializeVorn(const char* engine_path) {
  ended = false;
  if (std::strstr(engine_path, "locked") != nullptr) return VORN_STATUS_FILES_LOCKED;
  return static_cast<int16_t>(std::strlen(engine_path));
}

int16_t Vorn_Set_Vorndata(const char* data_path) {
  return static_cast<int16_t>(100 + std::strlen(data_path));
}

int16_t Vorn_RateShipment(unsigned char* engine_record) {
  using namespace tarvex::engine;
  EngineRecordView r(engine_record);
  if (ended) {
    r.setText(H2, "END");
    return 0;
  }
  r.setText(H2, "");
  r.setText(H13, r.textView(H4));
  r.line(1).setText(L4, r.line(1).textView(L2));
  r.setValue(X5, static_cast<int16_t>(r.value(X5) + 1));
  return 0;
}

int16_t Vorn_GetTables(unsigned char* table_record) {
  using namespace tarvex::engine;
  TableRecordView r(table_record);
  r.setText(K1, 0, r.textView(K5));
  r.setValue(K2, 19, 40000);
  r.setValue(K3, 1);
  r.setValue(K4, 20);
  return 0;
}

void Vorn_EndVorn(void) {
  ended = true;
}
}

// The five entry points of libvorn.so. Nothing but the records and the statuses crosses
// this boundary: every call catches whatever the engine might throw.
#include <string>

#include "engine/vorn_abi.h"
#include "vorn/engine.h"
#include "vorn/files_lock.h"

namespace {

constexpr int16_t kStatusOk = 0;
constexpr int16_t kStatusNoEnginePath = 11;
constexpr int16_t kStatusFailed = 99;

struct State {
  tarvex::vorn::Engine engine;
  tarvex::vorn::FilesLock lock;
};

State& Current() {
  static State state;
  return state;
}

}  // namespace

#define VORN_EXPORT extern "C" __attribute__((visibility("default")))

VORN_EXPORT int16_t Vorn_InitializeVorn(const char* engine_path) {
  try {
    using tarvex::vorn::FilesLock;
    State& s = Current();
    s.lock.Release();
    s.engine.Clear();
    if (engine_path == nullptr) return kStatusNoEnginePath;
    // Readers share the lock, so the window program and tarvex-cli run side by side; only
    // the data kit replacing the files holds it alone.
    switch (s.lock.Take(engine_path, FilesLock::Kind::kReader)) {
      case FilesLock::Outcome::kHeld:
        return kStatusOk;
      case FilesLock::Outcome::kBusy:
        return VORN_STATUS_FILES_LOCKED;
      case FilesLock::Outcome::kUnusable:
        break;
    }
    return kStatusNoEnginePath;
  } catch (...) {
    return kStatusFailed;
  }
}

VORN_EXPORT int16_t Vorn_Set_Vorndata(const char* data_path) {
  try {
    if (data_path == nullptr) return tarvex::vorn::kNoTariffs;
    return Current().engine.Load(data_path);
  } catch (...) {
    return kStatusFailed;
  }
}

VORN_EXPORT int16_t Vorn_RateShipment(unsigned char* engine_record) {
  if (engine_record == nullptr) return 0;
  try {
    tarvex::engine::EngineRecordView record(engine_record);
    Current().engine.Rate(record);
  } catch (...) {
    tarvex::engine::EngineRecordView record(engine_record);
    record.setText(tarvex::engine::H2, " 299");
  }
  return 0;
}

VORN_EXPORT int16_t Vorn_GetTables(unsigned char* table_record) {
  if (table_record == nullptr) return 0;
  try {
    tarvex::engine::TableRecordView record(table_record);
    Current().engine.Tables(record);
  } catch (...) {
  }
  return 0;
}

VORN_EXPORT void Vorn_EndVorn(void) {
  try {
    State& s = Current();
    s.engine.Clear();
    s.lock.Release();
  } catch (...) {
  }
}

// The five entry points of libvorn.so. Nothing but the records and the statuses crosses
// this boundary: every call catches whatever the engine might throw.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "engine/vorn_abi.h"
#include "vorn/engine.h"

namespace {

constexpr int16_t kStatusOk = 0;
constexpr int16_t kStatusNoEnginePath = 11;
constexpr int16_t kStatusFailed = 99;

struct State {
  tarvex::vorn::Engine engine;
  int lockFd = -1;
};

State& Current() {
  static State state;
  return state;
}

void ReleaseLock(State& s) {
  if (s.lockFd >= 0) ::close(s.lockFd);
  s.lockFd = -1;
}

}  // namespace

#define VORN_EXPORT extern "C" __attribute__((visibility("default")))

VORN_EXPORT int16_t Vorn_InitializeVorn(const char* engine_path) {
  try {
    State& s = Current();
    ReleaseLock(s);
    s.engine.Clear();
    if (engine_path == nullptr) return kStatusNoEnginePath;
    // The lock belongs to this process: a second one sees it, a crashed one leaves none.
    const std::string lock = std::string(engine_path) + "vorn.lck";
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return kStatusNoEnginePath;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const bool held = errno == EWOULDBLOCK;
      ::close(fd);
      return held ? VORN_STATUS_FILES_LOCKED : kStatusNoEnginePath;
    }
    s.lockFd = fd;
    return kStatusOk;
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
    ReleaseLock(s);
  } catch (...) {
  }
}

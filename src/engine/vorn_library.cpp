#include "engine/vorn_library.h"

#include <dlfcn.h>

#include <system_error>

namespace tarvex::engine {

static_assert(kEngineRecordLength == VORN_ENGINE_RECORD_LENGTH);
static_assert(kTableRecordLength == VORN_TABLE_RECORD_LENGTH);
static_assert(kStatusFilesLocked == VORN_STATUS_FILES_LOCKED);

namespace {

// dlsym hands back an object pointer; the entry points are functions of the declared types.
template <class Fn>
bool Resolve(void* handle, const char* name, Fn& fn) {
  void* symbol = ::dlsym(handle, name);
  if (symbol == nullptr) return false;
  fn = reinterpret_cast<Fn>(symbol);
  return true;
}

}  // namespace

VornLibrary::VornLibrary(const base::ProgramDir& dir, std::string_view fileName)
    : path_(dir.resolve(fileName)) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path_, ec)) {
    error_ = "The rating engine " + std::string(fileName) + " was not found in " +
             dir.path().string() + ".";
    return;
  }
  // An absolute path, so that the loader takes this file and never searches elsewhere.
  const std::string file = std::filesystem::absolute(path_, ec).string();
  handle_ = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = ::dlerror();
    error_ = "The rating engine " + file +
             " could not be loaded: " + (why != nullptr ? why : "unknown reason") + ".";
    return;
  }
  const char* missing = nullptr;
  if (!Resolve(handle_, "Vorn_InitializeVorn", initializeVorn_))
    missing = "Vorn_InitializeVorn";
  else if (!Resolve(handle_, "Vorn_Set_Vorndata", setVorndata_))
    missing = "Vorn_Set_Vorndata";
  else if (!Resolve(handle_, "Vorn_RateShipment", rateShipment_))
    missing = "Vorn_RateShipment";
  else if (!Resolve(handle_, "Vorn_GetTables", getTables_))
    missing = "Vorn_GetTables";
  else if (!Resolve(handle_, "Vorn_EndVorn", endVorn_))
    missing = "Vorn_EndVorn";
  if (missing != nullptr) {
    error_ = "The rating engine " + file + " lacks the entry point " + missing + ".";
    Unload();
  }
}

VornLibrary::~VornLibrary() {
  Unload();
}

void VornLibrary::Unload() {
  if (handle_ != nullptr) ::dlclose(handle_);
  handle_ = nullptr;
  initializeVorn_ = nullptr;
  setVorndata_ = nullptr;
  rateShipment_ = nullptr;
  getTables_ = nullptr;
  endVorn_ = nullptr;
}

std::int16_t VornLibrary::InitializeVorn(const std::string& enginePath) {
  if (!loaded()) return kStatusEngineMissing;
  return initializeVorn_(enginePath.c_str());
}

std::int16_t VornLibrary::Set_Vorndata(const std::string& dataPath) {
  if (!loaded()) return kStatusEngineMissing;
  return setVorndata_(dataPath.c_str());
}

void VornLibrary::RateShipment(EngineRecord& record) {
  if (!loaded()) {
    record.setText(H2, kEngineMissingCode);
    return;
  }
  rateShipment_(record.data());
}

void VornLibrary::GetTables(TableRecord& record) {
  if (!loaded()) {
    record.setValue(K3, 0);
    record.setValue(K4, 0);
    return;
  }
  getTables_(record.data());
}

void VornLibrary::EndVorn() {
  if (loaded()) endVorn_();
}

}  // namespace tarvex::engine

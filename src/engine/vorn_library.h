// The rating engine library libvorn.so, loaded from the program directory at run time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/program_dir.h"
#include "engine/rating_engine.h"
#include "engine/vorn_abi.h"

namespace tarvex::engine {

inline constexpr std::string_view kVornLibraryName = "libvorn.so";

// What the calls give while no engine is loaded: a status no engine start-up returns as
// success, and a refusal in H2, so that nothing is quoted from an engine that is not there.
inline constexpr std::int16_t kStatusEngineMissing = -1;
inline constexpr std::string_view kEngineMissingCode = "-1";

// Loads the library on construction. A missing file, a file that is no loadable library or
// a library without all five entry points leaves it unloaded, with error() saying which;
// every call is then answered as above and nothing else happens.
class VornLibrary final : public RatingEngine {
 public:
  explicit VornLibrary(const base::ProgramDir& dir, std::string_view fileName = kVornLibraryName);
  ~VornLibrary() override;
  VornLibrary(const VornLibrary&) = delete;
  VornLibrary& operator=(const VornLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  // The message to show when the library could not be loaded ("" when loaded).
  const std::string& error() const { return error_; }
  // The file the library was looked for in.
  const std::filesystem::path& path() const { return path_; }

  std::int16_t InitializeVorn(const std::string& enginePath) override;
  std::int16_t Set_Vorndata(const std::string& dataPath) override;
  void RateShipment(EngineRecord& record) override;
  void GetTables(TableRecord& record) override;
  void EndVorn() override;

 private:
  void Unload();

  std::filesystem::path path_;
  std::string error_;
  void* handle_ = nullptr;
  Vorn_InitializeVorn_Fn initializeVorn_ = nullptr;
  Vorn_Set_Vorndata_Fn setVorndata_ = nullptr;
  Vorn_RateShipment_Fn rateShipment_ = nullptr;
  Vorn_GetTables_Fn getTables_ = nullptr;
  Vorn_EndVorn_Fn endVorn_ = nullptr;
};

}  // namespace tarvex::engine

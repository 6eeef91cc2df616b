#include "engine/rating_engine.h"

namespace tarvex::engine {

std::string EnginePath(const base::ProgramDir& dir) {
  std::string path = dir.path().string();
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace tarvex::engine

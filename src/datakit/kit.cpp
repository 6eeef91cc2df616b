#include "datakit/kit.h"

#include <ostream>

namespace tarvex::datakit {

void Report::fault(std::string where, std::string what) {
  faults_.push_back(std::move(where) + ": " + std::move(what));
}

void Report::note(std::string text) { notes_.push_back(std::move(text)); }

void Report::print(std::ostream& out) const {
  for (const auto& n : notes_) out << n << '\n';
  for (const auto& f : faults_) out << "fault: " << f << '\n';
}

}  // namespace tarvex::datakit

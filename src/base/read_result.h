// What a reader of a data file gives back: the value it read, or a message that names the
// file and says what is wrong with it, for the window to show.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tarvex::base {

template <typename T>
class ReadResult {
 public:
  static ReadResult Ok(T value) { return ReadResult(std::move(value), {}); }
  // `message` names the file: "The floor table /opt/tarvex/Floor.dat ends in a partial record."
  static ReadResult Fault(std::string message) {
    return ReadResult(std::nullopt, std::move(message));
  }

  bool ok() const { return value_.has_value(); }
  // The value; only when ok().
  const T& value() const { return *value_; }
  // The value, or `fallback` when the file could not give one.
  T valueOr(T fallback) const { return value_ ? *value_ : std::move(fallback); }
  // The message; empty when ok().
  const std::string& fault() const { return fault_; }

 private:
  ReadResult(std::optional<T> value, std::string fault)
      : value_(std::move(value)), fault_(std::move(fault)) {}
  std::optional<T> value_;
  std::string fault_;
};

}  // namespace tarvex::base

#include "ratesheet/production.h"

#include "ratesheet/sideline_codes.h"

namespace tarvex::ratesheet {

Production::Production(const RateSheetRequest& request, const SheetTexts& texts,
                       SheetOutputs outputs, SheetSource& source)
    : request_(request),
      texts_(texts),
      outputs_(outputs),
      source_(source),
      printer_(request, texts, "") {}

std::optional<std::string> Production::Next(const std::string& code, const std::string& high) {
  const std::string next = NextSidelineCode(code);
  // "999" wraps to "000", and a code that cannot be stepped stays as it is: both end the range.
  if (next <= code || next.substr(0, 3) == "000" || next > high) return std::nullopt;
  return next;
}

int Production::CodeCount(const RateSheetRequest& request) {
  int count = 0;
  for (std::size_t p = 0; p < request.SidelineLow.size() && request.PairInUse(p); ++p) {
    const std::string& high = request.SidelineHigh[p];
    std::optional<std::string> code = request.SidelineLow[p];
    if (*code > high) continue;
    for (; code; code = Next(*code, high)) ++count;
  }
  return count;
}

Production::Outcome Production::Run() {
  headlineState_ = source_.StateOf(request_.HeadlineCode);
  printer_.setHeadlineState(headlineState_);
  if (outputs_.csv) csv_ = CsvHeader(request_, texts_);
  const int total = CodeCount(request_);
  int done = 0;
  for (std::size_t p = 0; p < request_.SidelineLow.size() && request_.PairInUse(p); ++p) {
    const std::string& high = request_.SidelineHigh[p];
    std::optional<std::string> code = request_.SidelineLow[p];
    if (*code > high) continue;
    for (; code; code = Next(*code, high)) {
      if (beforeCode && !beforeCode({done, total, *code})) return Outcome::Cancelled;
      if (!RateCode(*code)) return Outcome::Failed;
      // The headline itself was refused: every further code would be too.
      if (headlineRefused_) return Outcome::HeadlineRefused;
      ++done;
    }
    FlushPending();
  }
  printer_.Finish();
  if (outputs_.exportFile) export_ += ExportNoteLines(notes_);
  return Outcome::Complete;
}

RatedPoint Production::RatePoint(const std::string& code, const CodePart& part,
                                 const std::string& state) {
  RatedPoint p;
  p.code = code;
  p.point = part.point;
  p.state = state;
  const bool out = request_.Outbound;
  p.rating = source_.Rate(out ? request_.HeadlineCode : part.point,
                          out ? part.point : request_.HeadlineCode);
  if (p.rating.returnCode == (out ? "216" : "217")) headlineRefused_ = true;
  if (p.rating.ok()) {
    p.minimum = RateSheetMinimum(p.rating.minimumCharge, p.rating.floor);
    p.details = BuildDetailLines(p.rating);
  }
  return p;
}

bool Production::RateCode(const std::string& code) {
  const bool out = request_.Outbound;
  const std::string origin = out ? request_.HeadlineCode : code;
  const std::string destination = out ? code : request_.HeadlineCode;
  const std::string tariff = source_.TariffFor(origin, destination, error_);
  if (!error_.empty()) return false;
  auto known = basePoints_.find(tariff);
  if (known == basePoints_.end()) {
    const auto read = source_.BasePoints(tariff);
    if (!read.ok()) {
      error_ = read.fault();
      return false;
    }
    known = basePoints_.emplace(tariff, read.value()).first;
  }
  const std::string state = source_.StateOf(code);

  // The parts of the code, grouped by what they rate: one rating point per group.
  struct Group {
    std::string key;
    RatedPoint point;
    std::vector<CodePart> parts;
  };
  std::vector<Group> groups;
  for (const CodePart& part : SplitCode(code, known->second)) {
    RatedPoint p = RatePoint(code, part, state);
    const std::string key =
        p.rating.ok() ? p.rating.ResultText(p.minimum) : "refused " + p.rating.returnCode;
    Group* group = nullptr;
    for (Group& g : groups)
      if (g.key == key) group = &g;
    if (group == nullptr) group = &groups.emplace_back(Group{key, std::move(p), {}});
    group->parts.push_back(part);
  }

  if (groups.size() == 1) {
    RatedPoint& p = groups.front().point;
    Write(p);
    if (!paged()) return true;
    // A refused code prints nothing, and the codes either side of it do not merge across it.
    if (!p.rating.ok()) {
      FlushPending();
      return true;
    }
    const std::string& text = groups.front().key;
    if (pending_ && pending_->point.state == p.state && pending_->text == text) {
      pending_->end = code;
      return true;
    }
    FlushPending();
    pending_ = Pending{code, code, text, std::move(p)};
    return true;
  }

  FlushPending();
  for (Group& g : groups) {
    if (!g.point.rating.ok()) continue;
    notes_.push_back(NoteOfParts(g.parts));
    g.point.note = static_cast<int>(notes_.size());
    g.point.noteText = notes_.back();
    Write(g.point);
    if (paged()) printer_.PrintBlock(code, code, g.point);
  }
  return true;
}

void Production::Write(const RatedPoint& point) {
  if (outputs_.exportFile) export_ += ExportLines(request_, headlineState_, point);
  if (outputs_.csv) csv_ += CsvRows(request_, headlineState_, point);
}

void Production::FlushPending() {
  if (!pending_) return;
  printer_.PrintBlock(pending_->start, pending_->end, pending_->point);
  pending_.reset();
}

}  // namespace tarvex::ratesheet

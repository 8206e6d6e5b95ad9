#pragma once
// What a pass over the survey gathers for the critical exposure contribution analysis: in the
// preliminary pass the count of person-day totals inside an exposure-amount window, in the
// main pass the person-days whose total falls in a population's window, one record per
// distinct total of a day pass (with its repeat count) and the residue of every relevant
// entry in the iteration that made it.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

namespace acute {

// The window of one population: low <= E and, when it has a high boundary, E <= high.
struct CecWindow {
  float low = 0;
  float high = 0;
  bool has_high = true;

  bool Holds(float e) const { return e >= low && (!has_high || e <= high); }
};

// The lowest bound of the windows of the populations in `mask`: no window holds a total
// below it.
inline float LowestBound(std::uint64_t mask, const std::vector<CecWindow>& windows) {
  float lowest = std::numeric_limits<float>::infinity();
  for (std::uint64_t m = mask; m != 0; m &= m - 1)
    lowest = std::min(lowest, windows[std::countr_zero(m)].low);
  return lowest;
}

// The residue of one relevant entry in the iteration of a record, and the scratch record
// number of the value drawn (0 for a fixed residue, a limit of detection or a zero draw).
struct CecEntryResidue {
  float residue = 0;
  std::int32_t record = 0;
};

// One record: a day pass of a survey group whose total qualified.
struct CecRawRecord {
  std::uint32_t group = 0;
  std::int16_t day = 1;  // day pass number, from 1
  float e = 0;
  std::int32_t nx = 1;
  std::vector<CecEntryResidue> residues;  // one per relevant entry of the day pass
};

// The records and the count of one chunk of a pass.
struct CecShareOutput {
  std::vector<CecRawRecord> records;
  std::int64_t count = 0;
};

struct CecCapture {
  // Preliminary pass, exposure-amount basis: the window whose person-day totals are counted
  // (every member person-day and iteration, non-consumers included).
  bool count_amounts = false;
  CecWindow amount_window;
  // Main pass: the window of each population (report order) and the number of iterations
  // that produce records (K).
  std::vector<CecWindow> windows;
  int record_iterations = 0;
  // Whether records keep the scratch record number of each residue drawn (a cumulative
  // analysis splits a residue among its chemicals by it); otherwise it is 0.
  bool draw_records = false;
  // Filled by the pass: one output per chunk, in survey order.
  std::vector<CecShareOutput> shares;

  std::int64_t Count() const {
    std::int64_t c = 0;
    for (const CecShareOutput& s : shares) c += s.count;
    return c;
  }
};

// The records of the day pass being computed: a total already recorded in an earlier
// iteration only raises that record's repeat count.
class CecDayBuffer {
 public:
  void Start(std::uint32_t group, std::int16_t day) {
    group_ = group;
    day_ = day;
    slots_.clear();
  }
  // A qualifying total; `residues` is read only when the total is new.
  template <typename Residues>
  void Add(float e, Residues&& residues) {
    for (CecRawRecord& r : slots_)
      if (r.e == e) {
        ++r.nx;
        return;
      }
    CecRawRecord r;
    r.group = group_;
    r.day = day_;
    r.e = e;
    r.residues = residues();
    slots_.push_back(std::move(r));
  }
  // Moves the buffered records to `out` in slot order.
  void Flush(std::vector<CecRawRecord>& out) {
    for (CecRawRecord& r : slots_) out.push_back(std::move(r));
    slots_.clear();
  }

 private:
  std::uint32_t group_ = 0;
  std::int16_t day_ = 1;
  std::vector<CecRawRecord> slots_;
};

}  // namespace acute

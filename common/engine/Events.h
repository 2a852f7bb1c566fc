#pragma once
// Flow events (pulses): runs of valid days of one water year that meet a condition. Missing
// days are skipped and change nothing (they neither extend nor end an event); a valid day that
// does not meet the condition ends the event; events never cross into the next water year.

#include <vector>

#include "common/engine/FlowRecord.h"

namespace zelvo {

struct FlowEvent {
  int firstSlot = 0;  // 0-based slot of the first valid day in the event
  int lastSlot = 0;   // 0-based slot of the last valid day in the event
  int days = 0;       // number of valid days in the event
  float peak = 0.0f;  // largest flow in the event
  // Slot of the valid day that ended the event, or kDaySlots when the year ended first. The
  // event is open from its first slot up to this one (not included): missing slots after its
  // last day are still inside it.
  int endSlot = kDaySlots;
};

// Appends the events of `year` whose days satisfy `inEvent(flow)` to `events` (not cleared).
template <typename Condition>
void ScanEvents(const YearFlows& year, Condition inEvent, std::vector<FlowEvent>& events) {
  bool open = false;
  for (int s = 0; s < kDaySlots; ++s) {
    const float f = year[s];
    if (f == kMissing) continue;
    if (inEvent(f)) {
      if (!open) {
        events.push_back(FlowEvent{s, s, 0, f, kDaySlots});
        open = true;
      }
      FlowEvent& e = events.back();
      e.lastSlot = s;
      ++e.days;
      if (f > e.peak) e.peak = f;
    } else {
      if (open) events.back().endSlot = s;
      open = false;
    }
  }
}

}  // namespace zelvo

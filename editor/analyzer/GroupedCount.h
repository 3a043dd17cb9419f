// The analysis of a machine without visiting every combination of stops.
//
// The hits of one line depend only on the symbols that line shows, so each line's
// distinct symbol combinations are judged once, each weighted by the stops behind it
// (LineDiagram.h). Whether a spin wins anything joins the lines: the lines' decision
// diagrams are followed together reel by reel, each reel's stops grouped by the symbols
// the judged lines see on it, so that only distinct states of all lines are carried.
// The counts equal those of visiting every combination of stops.
#pragma once
#include "AnalyzedMachine.h"
#include "PayoutCounts.h"

// The caller has checked that the weighted attempts fit (WeightedAttempts).
PayoutCounts CountByGroups(const AnalyzedMachine& machine);

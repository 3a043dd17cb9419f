// Every value of a compiled machine as text lines, keyed by what they describe, so that two
// machines can be compared value by value and a difference names its place. Places in the
// script (spans) are not values and are left out.
#pragma once
#include <map>
#include <set>
#include <string>

#include "MachineDescription.h"

using ModelLines = std::map<std::string, std::string>;

std::string ReferenceText(const AnimationReference& reference);
std::string ButtonText(const ButtonPart& button);
std::string IndicatorText(const IndicatorPart& indicator);
std::string SoundText(const SoundPart& sound);
std::string RegionText(const RegionPart& region);
std::string StripText(const ReelStrip& strip);
std::string SymbolText(const ReelSymbol& symbol);
std::string PayLineText(const ScriptPayTable::PayoutLine& line);
std::string RectText(const ScriptRect& rect);

// Elements are keyed by the name they now have ("button Spin"); those named in `deleted`
// are left out.
ModelLines DumpModel(const MachineDescription& md,
                     const std::set<std::string>& deleted = std::set<std::string>());

// The keys whose lines differ, with both lines.
std::string DescribeDifferences(const ModelLines& expected, const ModelLines& actual);

// The switch record window's contents: the figures of the last session and
// of the last seven days, the suggested settings with their reasons, and the
// chart of the last weeks.
#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "record/RecordChart.h"
#include "record/RecordStatistics.h"
#include "text/Texts.h"

namespace sorvane {


SwitchRecordReport SwitchRecordReportOf(const PressFigures& session, const PressFigures& lastWeek,
                                        const SwitchSuggestions& suggestions);
// The chart's bars and the same figures in words.
void AddChart(SwitchRecordReport& report, const RecordChart& chart);
const char* WhyUnreadable(FileRead::Reason reason);
// The window when the record file could not be read: why, and no figures.
SwitchRecordReport UnreadableRecordReport(const std::string& path, FileRead::Reason reason);

}  // namespace sorvane

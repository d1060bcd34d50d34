// The switch record window's contents: the figures of the last session and
// of the last seven days, and the suggested settings with their reasons.
#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "record/RecordStatistics.h"
#include "text/Texts.h"

namespace sorvane {


SwitchRecordReport SwitchRecordReportOf(const PressFigures& session, const PressFigures& lastWeek,
                                        const SwitchSuggestions& suggestions);
const char* WhyUnreadable(FileRead::Reason reason);
// The window when the record file could not be read: why, and no figures.
SwitchRecordReport UnreadableRecordReport(const std::string& path, FileRead::Reason reason);

}  // namespace sorvane

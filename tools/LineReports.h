#pragma once

#include "line/LineRows.h"
#include "line/LineSurvey.h"

#include <QByteArray>

#include <string>
#include <vector>

// The rows of a line as the tool prints them, for people and for scripts.

// The survey: address, execution code, state; absent devices named as such.
std::string ScanTable(const std::vector<SurveyRow>& rows, const std::string& portName);
// Every address with whether anything answered, its result, state, code and status.
QByteArray ScanJson(const std::vector<SurveyRow>& rows, const std::string& portName);

// A row per device (address, code, file name, outcome and its reason) with
// its differences indented below it, then the totals by outcome.
std::string ReportTable(const std::vector<DeviceRow>& rows);
// {"port": ..., "devices": [{"address", "code", "file", "result", "reason", "differences"}]}.
QByteArray ReportJson(const std::vector<DeviceRow>& rows, const std::string& portName);

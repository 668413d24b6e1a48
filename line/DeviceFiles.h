#pragma once

#include "files/SchemeFile.h"
#include "line/LineRows.h"
#include "line/LineSurvey.h"

#include <optional>
#include <string>
#include <vector>

class LineSession;

// The devices of a line against their files: one device-NN.vil per address in
// a directory. Each step works on one device and gives its row; a failure of
// one device never stops the next.

struct DeviceFile {
    int address = 0;
    std::string path; // the name's bytes
    SchemeFileData scheme;
};

// dir/device-NN.vil
std::string DevicePath(const std::string& dir, int address);
// "Файл не удается создать: PATH: REASON", the path shown safely.
std::string CannotCreate(const std::string& path, const std::string& reason);

// Every device file of the directory from first to last, each readable (to
// be written into a device when forWriting). Nothing, with one line in error,
// when one is unreadable or there is none: found before anything is sent.
std::optional<std::vector<DeviceFile>> LoadDeviceFiles(const std::string& dir, int first, int last,
                                                       bool forWriting, std::string& error);

// The directory takes a file for every address from first to last: made when
// missing, and each file it will write can be created. False, with one line
// in error, before anything is sent.
bool PrepareBackup(const std::string& dir, int first, int last, bool force, std::string& error);

// The device a survey heard, read into its file: Saved, Kept (the file was
// there and force not given: nothing is read), NoAnswer or Refused (the
// read's message as the reason), NotSaved (read, the file not written). An
// address where nobody answered is Absent.
DeviceRow BackUpDevice(LineSession& session, const SurveyRow& found, const std::string& dir,
                       bool force);

// Which value a difference names first: a check against the file reads
// file → device, a restore device → file, the value it will write last.
enum class DiffOrder { FileToDevice, DeviceToFile };

// The device read and compared with its file: Same or Differs (the fields
// that differ, in the order asked), NoAnswer or Refused.
DeviceRow VerifyDevice(LineSession& session, const DeviceFile& file, DiffOrder order);

// The file written into its device: Written, Confirmed, NotConfirmed, Refused
// or NoAnswer.
DeviceRow WriteDeviceFile(LineSession& session, const DeviceFile& file, bool confirm);

#pragma once

#include <optional>
#include <string>
#include <string_view>

// "配置文件.txt" in the folder of the program's own executable (not the working
// folder), so the settings follow the program wherever it is started from.
std::wstring settingsFilePath();

// The file's bytes with every line break made CR LF, or nothing when there is no
// such file (a folder of that name counts as none). A file that exists but cannot
// be opened throws AppError "Cannot open file "<path>". <reason>".
std::optional<std::string> loadSettingsFile(const std::wstring& path);

// Writes `bytes` exactly (no byte-order mark, nothing added). The bytes go to a
// temporary file beside the settings file first, which then replaces it in one
// step, so a crash or a full disk never leaves a half-written file. A failure
// throws AppError "Cannot create file "<path>". <reason>" and keeps the old file.
void writeSettingsFile(const std::wstring& path, std::string_view bytes);

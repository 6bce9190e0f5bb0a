#pragma once

#include <string>
#include <vector>

namespace tablora::cli {

/// Runs one command line of tablora-cli (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args);

/// `path` made absolute against the current folder: the core resolves relative paths
/// against the program folder, a command line against where it was started.
std::string AbsolutePath(const std::string& path);
/// A file the command writes: "-" stays standard output, anything else AbsolutePath.
std::string OutputPath(const std::string& path);

/// The commands, each in its own <command>_command.cpp. `args` follow the command name;
/// Run has checked their number where the command takes a fixed number.
int NewSampleCommand(const std::vector<std::string>& args);
int DumpCommand(const std::vector<std::string>& args);
int SaveCommand(const std::vector<std::string>& args);
int GenCommand(const std::vector<std::string>& args);
int SqlCommand(const std::vector<std::string>& args);
int TemplateCommand(const std::vector<std::string>& args);
int ImportCommand(const std::vector<std::string>& args);
int QueryCommand(const std::vector<std::string>& args);
int PushCommand(const std::vector<std::string>& args);
int ConvertDefsCommand(const std::vector<std::string>& args);
int StructToTableCommand(const std::vector<std::string>& args);
int DocCommand(const std::vector<std::string>& args);

}  // namespace tablora::cli

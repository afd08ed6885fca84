// The commands of scenario-tool. Each takes its arguments (after the command
// name) and two streams, and returns the exit status. Their usage, options and
// help texts are listed once, in tool/uso.cpp.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario::tool {

using Args = std::vector<std::string>;

int comando_compile(const Args& args, std::ostream& out, std::ostream& err);
int comando_check(const Args& args, std::ostream& out, std::ostream& err);
int comando_dump(const Args& args, std::ostream& out, std::ostream& err);
int comando_plot(const Args& args, std::ostream& out, std::ostream& err);
int comando_decompile(const Args& args, std::ostream& out, std::ostream& err);
int comando_view(const Args& args, std::ostream& out, std::ostream& err);
int comando_example(const Args& args, std::ostream& out, std::ostream& err);
int comando_lsp(const Args& args, std::ostream& out, std::ostream& err);

// The whole tool: `args` without the program name.
int esegui_tool(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tool

#include "CommandLine.h"
#include "EditorStart.h"

int main(int argc, char **argv)
{
    CommandLine::prepareProcess();
    const CommandLine::Invocation invocation = CommandLine::read(argc, argv);
    if (invocation.mode == CommandLine::Mode::Editor)
        return EditorStart::run(argc, argv, invocation.files.value(0), invocation.platformChosen);
    return CommandLine::run(invocation);
}

#include "CommandLine.h"

int main(int argc, char **argv)
{
    CommandLine::prepareProcess();
    return CommandLine::run(argc, argv);
}

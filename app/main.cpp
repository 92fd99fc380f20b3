#include "app/Program.h"
#include "app/ProgramEntry.h"

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, Create_Program_Windows);
}

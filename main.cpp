#include "CPinto2App.h"
#include "RenderCommand.h"

int main(int argc, char* argv[])
{
    if (IsRenderCommand(argc, argv))
        return RunRenderCommand(argc, argv);
    return CPinto2App::Run(argc, argv);
}

#include "CPinto2App.h"
#include "RenderCommand.h"
#include "WorkFolder.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char* argv[])
{
    if (IsRenderCommand(argc, argv))
        return RunRenderCommand(argc, argv);
    // --home: keep the files in PINTO_HOME or ~/Pinto rather than in the current folder.
    if (std::find(argv + 1, argv + argc, std::string_view("--home")) != argv + argc) {
        std::string error;
        if (!WorkFolder::Enter(error)) {
            std::cerr << "pinto: " << error << '\n';
            return 2;
        }
    }
    return CPinto2App::Run(argc, argv);
}

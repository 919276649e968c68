#include "RenderCommand.h"

#include "DiagramState.h"
#include "DiagramWriter.h"
#include "RenderOptions.h"
#include "RenderStateBuilder.h"
#include "ScaleVocabularyReader.h"
#include "WorkFolder.h"

#include <QGuiApplication>

#include <string>

int RunRenderCommand(const RenderOptions& options, char* programName, std::string& error)
{
    // The scales installed with the program; a vocabulary that cannot be read adds none.
    ScaleVocabulary vocabulary;
    std::vector<std::string> faults;
    ScaleVocabularyReader::Read(
        WorkFolder::DataFile(WorkFolder::RunningProgram(), WorkFolder::kScaleVocabulary),
        vocabulary, faults);
    DiagramState state;
    if (!RenderStateBuilder::Build(options, state, error, vocabulary))
        return 2;

    // No display is needed: the picture is painted off screen whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {programName, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // Everything the picture needs is built into Qt (the PNG writer too); without plugin folders
    // the PNG is written without first loading every image format plugin to ask whether it would
    // rather write it.
    QCoreApplication::setLibraryPaths({});
    return DiagramWriter::Write(state, options, error) ? 0 : 2;
}

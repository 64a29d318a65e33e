#include "support/fakeplatform.h"

namespace zeno::test {

FakePlatform::FakePlatform() : now_(QDate(2026, 12, 6), QTime(12, 0, 0)) {}

void FakePlatform::wait(int milliseconds) {
    waits << milliseconds;
    advance(milliseconds);
}

void FakePlatform::after(int milliseconds, QObject* context, std::function<void()> next) {
    wait(milliseconds);
    if (realPauses_)
        Platform::after(milliseconds, context, std::move(next));
    else
        next();
}

bool FakePlatform::openInTextEditor(const QString& path) {
    editorFiles << path;
    return programsStart_;
}

bool FakePlatform::runProgram(const QString& program, const QStringList& arguments) {
    programs << ProgramRun{program, arguments};
    return programsStart_;
}

bool FakePlatform::openWebLink(const QString& url) {
    webLinks << url;
    return programsStart_;
}

PrintOutcome FakePlatform::printText(const QString& documentName, const QString& text) {
    if (!printerReady_)
        return PrintOutcome::NotReady;
    printed << PrintJob{documentName, text};
    return PrintOutcome::Printed;
}

}  // namespace zeno::test

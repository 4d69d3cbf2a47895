#include "core/State.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// Stand-in until the message layer of the texts lands.
class SimplePrompt : public umbrin::UserPrompt {
public:
    umbrin::PromptAnswer ask(umbrin::PromptTitle, umbrin::PromptIcon, const std::string& text,
                             umbrin::PromptButtons) override
    {
        QMessageBox::information(nullptr, QStringLiteral("UMBRIN.EXE"), QString::fromStdString(text));
        return umbrin::PromptAnswer::Ok;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Umbrin"));
    umbrin::AppState state;
    umbrin::initialisiereZustand(state);
    umbrin::ShellZustand shell;
    SimplePrompt prompt;
    umbrin::MainWindow window(state, shell, prompt);
    window.show();
    return QApplication::exec();
}

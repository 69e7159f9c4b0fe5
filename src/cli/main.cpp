#include "cli/Commands.h"

#include <exception>

// talkwarden-cli: the talk table and patch file work of the window, for scripts and shells.
int main(int argc, char** argv)
{
    using namespace tw::cli;
    try {
        const ArgumentText arguments = ArgumentText::ofThisProcess();
        CLI::App app("Reads talk tables, looks texts up, makes patch files and applies them.", "talkwarden-cli");
        app.require_subcommand(1);
        int status = Success;
        addInfoCommand(app, arguments, status);
        addShowCommand(app, arguments, status);
        addSearchCommand(app, arguments, status);
        addDiffCommand(app, arguments, status);
        addApplyCommand(app, arguments, status);
        try {
            app.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            // --help is reported as a parse error with the exit code 0.
            return app.exit(error) == 0 ? Success : Failure;
        }
        return status;
    } catch (const std::exception& failure) {
        return reportFailure(failure.what());
    }
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// `cuescroll [FILE]`: what the program was asked to do at start.
namespace commandline {

struct Request
{
    enum class Action {
        Run,  // start the prompter, with `file` opened if it is not empty
        Print // print `output` and exit with `exitCode`
    };
    Action action = Action::Run;
    QString file;     // a path the program can open (see localpath::usable)
    QString output;   // for Print: the text, ending in a line end
    int exitCode = 0; // 0 for --help and --version, 2 for a mistake in the command line
    bool toStdErr() const { return exitCode != 0; }
};

// The arguments as the process received them, the program's name first.
Request parse(const QList<QByteArray> &arguments);

// Qt's own options for windowing programs (-platform, -style…), which QApplication takes away.
bool isToolkitOption(const QByteArray &argument);

} // namespace commandline

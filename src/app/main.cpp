#include "app/ProgramStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ProgramStart start;
    if (!start.run())
        return 0;
    return QApplication::exec();
}

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cantrel");
    QLabel placeholder("Cantrel");
    placeholder.show();
    return QApplication::exec();
}

// Point d'entrée du programme Velmor.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenêtre;
    fenêtre.setWindowTitle(QStringLiteral("Jeu Velmor (construction de figures cibles)"));
    fenêtre.resize(800, 600);
    fenêtre.show();
    return application.exec();
}

// velmor-analyse : calculs et analyse de figures en ligne de commande.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::fputs("usage : velmor-analyse [--json] --calcul EXPRESSION ...\n", stderr);
    return 2;
}

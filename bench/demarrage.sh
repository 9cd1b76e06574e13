#!/bin/sh
# Le démarrage de Velmor sous Xvfb, à côté de son plancher : une fenêtre Qt 6 Widgets minimale, construite
# ici. Pour chacun : médiane du temps entre exec et la première fenêtre affichée, et de la mémoire résidente
# une demi-seconde plus tard.
# Usage : bench/demarrage.sh [DOSSIER_DE_CONSTRUCTION [LANCEMENTS]]
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build/bench}
lancements=${2:-11}
velmor=$construction/app/velmor
[ -x "$velmor" ] || { echo "demarrage.sh : $velmor manque (make bench le construit)" >&2; exit 1; }

travail=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$travail"' EXIT

cat >"$travail/plancher.cpp" <<'FIN'
// Le plancher : ce qu'aucun programme Qt 6 Widgets ne peut battre, une fenêtre vide de la même taille.
// Avec AVEC_TEXTE, la fenêtre écrit un mot : elle charge alors les polices, comme tout programme qui écrit.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget fenêtre;
    fenêtre.setWindowTitle(QStringLiteral("Plancher"));
    fenêtre.resize(800, 600);
#ifdef AVEC_TEXTE
    QLabel mot(QStringLiteral("Velmor"), &fenêtre);
#endif
    fenêtre.show();
    return application.exec();
}
FIN

# xdotool search --sync ne regarde qu'à chaque demi-seconde : ce guetteur attend l'évènement MapNotify
# de la fenêtre, sans sonder.
cat >"$travail/guetteur.c" <<'FIN'
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long RésidentKio(pid_t pid)
{
    char chemin[64], ligne[256];
    long kio = -1;
    snprintf(chemin, sizeof chemin, "/proc/%d/status", (int)pid);
    FILE* f = fopen(chemin, "r");
    if (!f)
        return -1;
    while (fgets(ligne, sizeof ligne, f))
        if (strncmp(ligne, "VmRSS:", 6) == 0)
            kio = strtol(ligne + 6, NULL, 10);
    fclose(f);
    return kio;
}

int main(int argc, char* argv[])
{
    // Xvfb annonce son numéro d'affichage un peu avant d'accepter toutes les connexions.
    Display* affichage = NULL;
    for (int essai = 0; essai < 100 && !affichage; ++essai)
        if (!(affichage = XOpenDisplay(NULL)))
            usleep(20000);
    if (argc < 2 || !affichage) {
        fprintf(stderr, "guetteur : pas d'affichage %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 2;
    }
    XSelectInput(affichage, DefaultRootWindow(affichage), SubstructureNotifyMask);
    XSync(affichage, False);
    alarm(60);
    struct timespec début, affiché;
    clock_gettime(CLOCK_MONOTONIC, &début);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent e;
        XNextEvent(affichage, &e);
        if (e.type == MapNotify && !e.xmap.override_redirect)
            break;
    }
    clock_gettime(CLOCK_MONOTONIC, &affiché);
    usleep(500000);
    const long kio = RésidentKio(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    printf("%.1f %ld\n", (affiché.tv_sec - début.tv_sec) * 1e3 + (affiché.tv_nsec - début.tv_nsec) / 1e6, kio);
    return 0;
}
FIN

g++ -O2 -fPIC -o "$travail/plancher" "$travail/plancher.cpp" $(pkg-config --cflags --libs Qt6Widgets)
g++ -O2 -fPIC -DAVEC_TEXTE -o "$travail/plancher-texte" "$travail/plancher.cpp" $(pkg-config --cflags --libs Qt6Widgets)
cc -O2 -o "$travail/guetteur" "$travail/guetteur.c" $(pkg-config --cflags --libs x11)

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$travail/affichage" 2>/dev/null &
xvfb=$!
while [ ! -s "$travail/affichage" ]; do sleep 0.05; done
DISPLAY=:$(cat "$travail/affichage")
XDG_RUNTIME_DIR=$travail
export DISPLAY XDG_RUNTIME_DIR
unset QT_QPA_PLATFORM

# Un premier lancement de chacun remplit les caches ; les suivants alternent les deux programmes.
for programme in plancher plancher-texte; do
    "$travail/guetteur" "$travail/$programme" >/dev/null
done
"$travail/guetteur" "$velmor" >/dev/null 2>&1
i=0
while [ "$i" -lt "$lancements" ]; do
    for programme in plancher plancher-texte; do
        "$travail/guetteur" "$travail/$programme" >>"$travail/$programme.txt"
    done
    "$travail/guetteur" "$velmor" 2>/dev/null >>"$travail/velmor.txt"
    i=$((i + 1))
done

mediane() {
    cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
tp=$(mediane "$travail/plancher.txt" 1)
mp=$(mediane "$travail/plancher.txt" 2)
tt=$(mediane "$travail/plancher-texte.txt" 1)
mt=$(mediane "$travail/plancher-texte.txt" 2)
tv=$(mediane "$travail/velmor.txt" 1)
mv=$(mediane "$travail/velmor.txt" 2)
echo "Démarrage sous Xvfb, médiane de $lancements lancements (exec → fenêtre affichée ; mémoire résidente) :"
printf '  plancher Qt 6 Widgets : %8.1f ms  %8d Kio\n' "$tp" "$mp"
printf '  plancher qui écrit    : %8.1f ms  %8d Kio   (repère : le chargement des polices)\n' "$tt" "$mt"
printf '  velmor                : %8.1f ms  %8d Kio\n' "$tv" "$mv"
awk -v tv="$tv" -v tp="$tp" -v tt="$tt" -v mv="$mv" -v mp="$mp" -v mt="$mt" 'BEGIN {
    printf "  rapport au plancher   : %8.2f ×    %8.2f ×   (cible : 1,3 × au plus)\n", tv / tp, mv / mp
    printf "  rapport à celui qui écrit : %4.2f ×    %8.2f ×\n", tv / tt, mv / mt }'

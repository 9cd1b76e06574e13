#include "ComptageMemoire.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <malloc.h>

// Les allocations de tout le processus, Qt et ses greffons compris, passent par ces fonctions : elles
// remplacent celles de la bibliothèque C et lui confient le vrai travail. Entre DébutPic et FinPic, un bloc
// libéré compte même s'il était plus ancien : le niveau suit la mémoire réellement tenue.
extern "C" {
void* __libc_malloc(std::size_t taille);
void* __libc_calloc(std::size_t nombre, std::size_t taille);
void* __libc_realloc(void* bloc, std::size_t taille);
void* __libc_memalign(std::size_t alignement, std::size_t taille);
void __libc_free(void* bloc);
}

namespace {

std::atomic<std::int64_t> niveau{0};
std::atomic<std::int64_t> pic{0};
std::atomic<std::int64_t> départ{0};
// Compter coûte : les boucles mesurées n'en paient que ce test.
std::atomic<bool> actif{false};

void Compter(void* bloc)
{
    if (!bloc || !actif.load(std::memory_order_relaxed))
        return;
    const std::int64_t atteint = niveau += static_cast<std::int64_t>(malloc_usable_size(bloc));
    std::int64_t ancien = pic.load(std::memory_order_relaxed);
    while (atteint > ancien && !pic.compare_exchange_weak(ancien, atteint, std::memory_order_relaxed)) {
    }
}

void Décompter(void* bloc)
{
    if (bloc && actif.load(std::memory_order_relaxed))
        niveau -= static_cast<std::int64_t>(malloc_usable_size(bloc));
}

} // namespace

void DébutPic()
{
    départ = niveau.load();
    pic = départ.load();
    actif = true;
}

std::size_t FinPic()
{
    actif = false;
    const std::int64_t dessus = pic.load() - départ.load();
    return dessus > 0 ? static_cast<std::size_t>(dessus) : 0;
}

extern "C" {

void* malloc(std::size_t taille)
{
    void* bloc = __libc_malloc(taille);
    Compter(bloc);
    return bloc;
}

void* calloc(std::size_t nombre, std::size_t taille)
{
    void* bloc = __libc_calloc(nombre, taille);
    Compter(bloc);
    return bloc;
}

void* realloc(void* ancien, std::size_t taille)
{
    Décompter(ancien);
    void* bloc = __libc_realloc(ancien, taille);
    Compter(bloc ? bloc : (taille ? ancien : nullptr));
    return bloc;
}

void free(void* bloc)
{
    Décompter(bloc);
    __libc_free(bloc);
}

void* memalign(std::size_t alignement, std::size_t taille)
{
    void* bloc = __libc_memalign(alignement, taille);
    Compter(bloc);
    return bloc;
}

void* aligned_alloc(std::size_t alignement, std::size_t taille)
{
    return memalign(alignement, taille);
}

int posix_memalign(void** résultat, std::size_t alignement, std::size_t taille)
{
    void* bloc = memalign(alignement, taille);
    if (!bloc)
        return ENOMEM;
    *résultat = bloc;
    return 0;
}

void* valloc(std::size_t taille)
{
    return memalign(4096, taille);
}

void* pvalloc(std::size_t taille)
{
    return memalign(4096, (taille + 4095) / 4096 * 4096);
}
}

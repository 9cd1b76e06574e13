#include "model/TraceHistorique.h"

#include "model/Caracteres.h"

namespace {
constexpr std::string_view MotPoint = "Point ";
constexpr std::string_view MotPolygone = "Polygone";
} // namespace

std::string EntréePoint(std::string_view nom)
{
    return std::string(MotPoint).append(nom);
}

std::string EntréePolygone(std::string_view sommets)
{
    return std::string(MotPolygone).append(" ").append(sommets);
}

// Un fichier peut coller les sommets au mot-clé : seul le mot compte.
bool EstEntréePolygone(std::string_view entrée)
{
    return entrée.starts_with(MotPolygone);
}

std::string SommetsDeLEntrée(std::string_view entrée)
{
    const auto caractères = Caractères(entrée);
    std::string sommets;
    for (std::size_t i = MotPolygone.size() + 1; i < caractères.size(); ++i)
        sommets += caractères[i];
    return sommets;
}

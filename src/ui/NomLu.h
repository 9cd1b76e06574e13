// Le nom qu'un lecteur d'écran annonce pour un contrôle, le même sur le bureau et dans la page.
#pragma once

#include <string>

struct Contrôle;

// Vide quand la légende se lit d'elle-même ; sinon le nom donné pour cela, ou la bulle.
std::string NomLu(const Contrôle& c);

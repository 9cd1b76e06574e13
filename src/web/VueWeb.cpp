#include "web/VueWeb.h"

#include "model/Caracteres.h"
#include "ui/NomLu.h"
#include "ui/Pixels.h"
#include "web/CouleurCss.h"
#include "web/DessinCanevas.h"

#include <algorithm>
#include <string_view>

using emscripten::val;

namespace {

// Une page compte 96 pixels CSS au pouce, quel que soit l'écran : la densité réelle ne joue que sur le
// canevas.
const double TwipsParPixelPage = TwipsParPixel(96);

val Nouveau(const char* balise)
{
    return val::global("document").call<val>("createElement", std::string(balise));
}

void Attribut(val& nœud, const char* nom, const std::string& valeur)
{
    nœud.call<void>("setAttribute", std::string(nom), valeur);
}

val Page()
{
    return val::global("Velmor");
}

std::string Pixels(int twips)
{
    return std::to_string(VersPixels(twips, TwipsParPixelPage)) + "px";
}

char32_t PointDeCode(std::string_view c)
{
    const auto octet = [&c](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(c[i]));
    };
    if (c.size() == 1)
        return octet(0);
    if (c.size() == 2)
        return ((octet(0) & 0x1F) << 6) | (octet(1) & 0x3F);
    if (c.size() == 3)
        return ((octet(0) & 0x0F) << 12) | ((octet(1) & 0x3F) << 6) | (octet(2) & 0x3F);
    return ((octet(0) & 0x07) << 18) | ((octet(1) & 0x3F) << 12) | ((octet(2) & 0x3F) << 6) |
           (octet(3) & 0x3F);
}

std::string EnUtf8(char32_t code)
{
    std::string s;
    if (code < 0x80) {
        s += static_cast<char>(code);
    } else if (code < 0x800) {
        s += static_cast<char>(0xC0 | (code >> 6));
        s += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        s += static_cast<char>(0xE0 | (code >> 12));
        s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (code >> 18));
        s += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (code & 0x3F));
    }
    return s;
}

std::string Joindre(const std::vector<std::string>& caractères)
{
    std::string texte;
    for (const std::string& c : caractères)
        texte += c;
    return texte;
}

// Le menu écrit le raccourci comme le bureau (« Ctrl+Retour ») et le donne au lecteur d'écran sous les noms
// du web (« Control+Enter »).
void MontrerRaccourci(val& nœud, const std::string& touches)
{
    const auto remplacer = [](std::string texte, std::string_view quoi, std::string_view par) {
        if (const auto i = texte.find(quoi); i != std::string::npos)
            texte.replace(i, quoi.size(), par);
        return texte;
    };
    Attribut(nœud, "data-raccourci", remplacer(touches, "Return", "Retour"));
    Attribut(nœud, "aria-keyshortcuts", remplacer(remplacer(touches, "Ctrl", "Control"), "Return", "Enter"));
}

const char* Balise(const ContrôleDéclaré& d)
{
    switch (d.Sorte) {
    case Genre::Bouton:
        return "button";
    case Genre::Option:
        return "label";
    case Genre::ZoneTexte:
        return d.Multiligne ? "textarea" : "input";
    case Genre::Liste:
        return "select";
    default:
        return "div";
    }
}

} // namespace

VueWeb::VueWeb(val racine, Fenêtre& modèle, int numéro, Canevas* canevas)
    : racine(racine), fond(racine), modèle(modèle), numéro(numéro), canevas(canevas)
{
    Attribut(this->racine, "data-fenetre", std::to_string(numéro));
    déclaration = modèle.Déclarer();
    for (const ContrôleDéclaré& d : déclaration.Contrôles)
        if (d.Dans)
            conteneurs.insert(d.Dans);
    for (std::size_t i = 0; i < déclaration.Contrôles.size(); ++i) {
        const ContrôleDéclaré& d = déclaration.Contrôles[i];
        if (d.Sorte == Genre::ÉlémentMenu || d.Sorte == Genre::Séparateur) {
            CréerMenu(d, static_cast<int>(i));
        } else if (d.Tableau) {
            tableaux.push_back({&d, Parent(d), {}});
        } else {
            val nœud = Créer(d, static_cast<int>(i));
            Parent(d).call<void>("appendChild", nœud);
            nœuds.emplace(d.Modèle, nœud);
            liens.push_back({nœud, d.Modèle, &d, {}});
        }
    }
    // L'ordre du clavier est celui de la page : un contrôle qui se lit après un autre s'y pose juste après.
    for (const ContrôleDéclaré& d : déclaration.Contrôles)
        if (d.ClavierAprès && nœuds.contains(d.ClavierAprès) && nœuds.contains(d.Modèle))
            nœuds.at(d.ClavierAprès).call<void>("after", nœuds.at(d.Modèle));
    // Les raccourcis usuels : la page les cherche à chaque touche, par leur nom (« Ctrl+O »).
    val raccourcis = val::object();
    for (const Raccourci& r : déclaration.Raccourcis) {
        const auto trouvé = std::find_if(déclaration.Contrôles.begin(), déclaration.Contrôles.end(),
                                         [&r](const ContrôleDéclaré& d) { return d.Modèle == r.Commande; });
        raccourcis.set(r.Touches, static_cast<int>(trouvé - déclaration.Contrôles.begin()));
        if (trouvé != déclaration.Contrôles.end() && trouvé->Sorte == Genre::ÉlémentMenu &&
            nœuds.contains(r.Commande))
            MontrerRaccourci(nœuds.at(r.Commande), r.Touches);
    }
    this->racine.set("raccourcis", raccourcis);
}

val VueWeb::Élément(const Contrôle& c) const
{
    const auto trouvé = nœuds.find(&c);
    return trouvé == nœuds.end() ? val::null() : trouvé->second;
}

val VueWeb::Parent(const ContrôleDéclaré& d) const
{
    if (d.Dans) {
        const auto trouvé = nœuds.find(d.Dans);
        if (trouvé != nœuds.end())
            return trouvé->second;
    }
    return fond;
}

val VueWeb::Créer(const ContrôleDéclaré& d, int indice)
{
    val nœud = Nouveau(Balise(d));
    Attribut(nœud, "data-controle", std::to_string(indice));
    val classes = nœud["classList"];
    classes.call<void>("add", std::string("controle"));
    const char* genres[] = {"etiquette", "zone", "bouton", "option", "cadre", "image", "liste", "menu"};
    classes.call<void>("add", std::string(genres[static_cast<int>(d.Sorte)]));
    if (!d.Nom.empty())
        Attribut(nœud, "id", d.Nom);
    const char* alignements[] = {"haut-gauche", "gauche", "centre", "droite"};
    classes.call<void>("add", std::string(alignements[static_cast<int>(d.Aligné)]));
    const char* bordures[] = {"naturelle",  "sans-bord",  "bord-simple",
                              "bord-epais", "bord-grave", "bord-enfonce"};
    classes.call<void>("add", std::string(bordures[static_cast<int>(d.Bord)]));
    if (d.Gras)
        classes.call<void>("add", std::string("gras"));
    if (d.UneLigne)
        classes.call<void>("add", std::string("une-ligne"));
    if (d.Traversable)
        classes.call<void>("add", std::string("traversable"));

    switch (d.Sorte) {
    case Genre::Bouton:
        Attribut(nœud, "type", "button");
        nœud.call<void>("appendChild", Nouveau("span"));
        break;
    case Genre::Option: {
        val bouton = Nouveau("input");
        Attribut(bouton, "type", "radio");
        nœud.call<void>("appendChild", bouton);
        nœud.call<void>("appendChild", Nouveau("span"));
        break;
    }
    case Genre::ZoneTexte:
        Attribut(nœud, "spellcheck", "false");
        Attribut(nœud, "autocomplete", "off");
        if (d.LectureSeule)
            Attribut(nœud, "readonly", "");
        if (!d.AuClavier)
            Attribut(nœud, "tabindex", "-1");
        if (d.Touche)
            Attribut(nœud, "data-touche", "");
        break;
    case Genre::Liste:
        Attribut(nœud, "size", "2");
        break;
    default:
        // Une étiquette qui répond au clic est un bouton pour le clavier et le lecteur d'écran.
        if (d.Clic || d.ClicÉlément) {
            Attribut(nœud, "role", "button");
            Attribut(nœud, "tabindex", "0");
        }
        break;
    }
    if (canevas && d.Modèle == &canevas->Cadre) {
        val dessin = Nouveau("canvas");
        Attribut(dessin, "tabindex", "0");
        Attribut(dessin, "role", "img");
        dessin["classList"].call<void>("add", std::string("canevas"));
        nœud.call<void>("appendChild", dessin);
    }
    return nœud;
}

// Un élément dont d'autres se déclarent dedans est un menu ; sinon c'est une commande.
void VueWeb::CréerMenu(const ContrôleDéclaré& d, int indice)
{
    if (barre.isNull()) {
        barre = Nouveau("nav");
        Attribut(barre, "role", "menubar");
        barre["classList"].call<void>("add", std::string("barre-menus"));
        racine.call<void>("appendChild", barre);
        fond = Nouveau("div");
        fond["classList"].call<void>("add", std::string("fond"));
        racine.call<void>("appendChild", fond);
    }
    val parent = d.Dans ? sousMenus.at(d.Dans) : barre;
    val nœud = Nouveau(d.Modèle->Séparateur ? "div" : "button");
    if (d.Modèle->Séparateur) {
        Attribut(nœud, "role", "separator");
        parent.call<void>("appendChild", nœud);
        return;
    }
    Attribut(nœud, "type", "button");
    Attribut(nœud, "role", "menuitem");
    Attribut(nœud, "data-controle", std::to_string(indice));
    Attribut(nœud, "tabindex", "-1");
    nœud.call<void>("appendChild", Nouveau("span"));
    parent.call<void>("appendChild", nœud);
    const bool sousMenu = std::any_of(déclaration.Contrôles.begin(), déclaration.Contrôles.end(),
                                      [&d](const ContrôleDéclaré& autre) { return autre.Dans == d.Modèle; });
    if (sousMenu) {
        Attribut(nœud, "aria-haspopup", "menu");
        Attribut(nœud, "aria-expanded", "false");
        val menu = Nouveau("div");
        Attribut(menu, "role", "menu");
        menu["classList"].call<void>("add", std::string("menu-deroulant"));
        menu.set("hidden", true);
        parent.call<void>("appendChild", menu);
        sousMenus.emplace(d.Modèle, menu);
    }
    nœuds.emplace(d.Modèle, nœud);
    liens.push_back({nœud, d.Modèle, &d, {}});
}

void VueWeb::RecopierLien(Lien& lien)
{
    const Contrôle& c = *lien.contrôle;
    const ContrôleDéclaré& d = *lien.déclaré;
    // Ce qui se voit du contrôle, en une ligne : rien ne se repose s'il n'a pas changé.
    std::string état =
        c.Caption + '\x1f' + c.ToolTipText + '\x1f' + c.NomAccessible + '\x1f' + c.DescriptionAccessible +
        '\x1f' + std::to_string(c.Left) + ',' + std::to_string(c.Top) + ',' + std::to_string(c.Width) + ',' +
        std::to_string(c.Height) + ',' + std::to_string(c.Enabled) + std::to_string(c.Visible) +
        std::to_string(c.Checked) + std::to_string(c.FontSize) +
        (c.BackColor ? CouleurCss(*c.BackColor) : "") + '/' + (c.ForeColor ? CouleurCss(*c.ForeColor) : "") +
        std::to_string(static_cast<int>(c.MousePointer));
    if (état == lien.état)
        return;
    lien.état = std::move(état);
    const std::string nom = NomLu(c);
    val& n = lien.nœud;
    val style = n["style"];
    const bool menu = d.Sorte == Genre::ÉlémentMenu;
    if (!menu) {
        style.set("left", Pixels(c.Left));
        style.set("top", Pixels(c.Top));
        style.set("width", Pixels(c.Width));
        style.set("height", Pixels(c.Height));
        style.set("fontSize", std::to_string(c.FontSize) + "pt");
        style.set("backgroundColor", c.BackColor ? CouleurCss(*c.BackColor) : std::string());
        style.set("color", c.ForeColor ? CouleurCss(*c.ForeColor) : std::string());
        style.set("cursor", c.MousePointer == Pointeur::Personnalisé ? "crosshair" : "");
    }
    n.set("hidden", !c.Visible);
    if (d.Sorte == Genre::Bouton || d.Sorte == Genre::ZoneTexte || d.Sorte == Genre::Liste || menu)
        n.set("disabled", !c.Enabled);
    else
        Attribut(n, "aria-disabled", c.Enabled ? "false" : "true");
    if (c.ToolTipText.empty())
        n.call<void>("removeAttribute", std::string("title"));
    else
        Attribut(n, "title", c.ToolTipText);
    // Le nom et la description du repère vont au dessin lui-même ; un cadre nommé est un groupe.
    const bool repère = canevas && &c == &canevas->Cadre;
    if (nom.empty() || repère)
        n.call<void>("removeAttribute", std::string("aria-label"));
    else
        Attribut(n, "aria-label", nom);
    if (!nom.empty() && conteneurs.contains(&c) && !repère)
        Attribut(n, "role", "group");
    if (c.DescriptionAccessible.empty() || repère)
        n.call<void>("removeAttribute", std::string("aria-description"));
    else
        Attribut(n, "aria-description", c.DescriptionAccessible);

    switch (d.Sorte) {
    case Genre::Bouton:
    case Genre::ÉlémentMenu:
        // L'image d'un outil se pose devant la légende : celle-ci reste le dernier enfant du bouton.
        Page().call<void>("legende", n, menu ? n["firstChild"] : n["lastChild"], c.Caption);
        if (menu && c.Checked)
            Attribut(n, "aria-checked", "true");
        else if (menu)
            n.call<void>("removeAttribute", std::string("aria-checked"));
        if (menu)
            Attribut(n, "role", c.Checked ? "menuitemcheckbox" : "menuitem");
        break;
    case Genre::Option:
        n["firstChild"].set("checked", c.Checked);
        n["firstChild"].set("disabled", !c.Enabled);
        Page().call<void>("legende", n, n["lastChild"], c.Caption);
        break;
    case Genre::ZoneTexte:
    case Genre::Liste:
        break;
    default:
        if (repère) {
            n["firstChild"].set("textContent", c.DescriptionAccessible);
            val dessin = n["firstChild"];
            Attribut(dessin, "aria-label", nom.empty() ? c.Caption : nom);
        } else if (!conteneurs.contains(&c)) {
            n.set("textContent", c.Caption);
        }
        break;
    }
}

void VueWeb::Recopier()
{
    for (Lien& lien : liens)
        RecopierLien(lien);
    // Les zones et les listes : leur texte et leur choix changent aussi sous les doigts de l'élève.
    for (Lien& lien : liens) {
        const ContrôleDéclaré& d = *lien.déclaré;
        if (d.Sorte == Genre::ZoneTexte) {
            if (lien.nœud["value"].as<std::string>() != d.Modèle->Caption)
                lien.nœud.set("value", d.Modèle->Caption);
            if (d.Zone && d.Zone->DemandeFocus) {
                d.Zone->DemandeFocus = false;
                lien.nœud.call<void>("focus");
                lien.nœud.call<void>("setSelectionRange", static_cast<int>(d.Zone->SelStart),
                                     static_cast<int>(d.Zone->SelStart + d.Zone->SelLength));
            }
        } else if (d.Sorte == Genre::Liste) {
            val options = lien.nœud["options"];
            if (options["length"].as<std::size_t>() != d.Lignes->size()) {
                lien.nœud.set("textContent", std::string());
                for (const std::string& ligne : *d.Lignes) {
                    val option = Nouveau("option");
                    option.set("textContent", ligne);
                    lien.nœud.call<void>("appendChild", option);
                }
            }
            lien.nœud.set("selectedIndex", *d.LigneChoisie);
        }
    }
    for (TableauLié& tableau : tableaux) {
        const std::vector<Contrôle>& contrôles = *tableau.déclaré->Tableau;
        while (tableau.éléments.size() > contrôles.size()) {
            tableau.éléments.back().nœud.call<void>("remove");
            tableau.éléments.pop_back();
        }
        const int indice = static_cast<int>(tableau.déclaré - déclaration.Contrôles.data());
        while (tableau.éléments.size() < contrôles.size()) {
            val nœud = Créer(*tableau.déclaré, indice);
            Attribut(nœud, "data-element", std::to_string(tableau.éléments.size()));
            // Tab ne s'arrête que sur les lignes qui répondent au clavier.
            if (!tableau.déclaré->AuClavier)
                Attribut(nœud, "tabindex", "-1");
            else if (tableau.déclaré->ClicÉlément)
                Attribut(nœud, "tabindex", "0");
            tableau.parent.call<void>("appendChild", nœud);
            tableau.éléments.push_back({nœud, nullptr, tableau.déclaré, {}});
        }
        for (std::size_t i = 0; i < contrôles.size(); ++i) {
            tableau.éléments[i].contrôle = &contrôles[i];
            RecopierLien(tableau.éléments[i]);
        }
    }
    Dessiner();
}

void VueWeb::Dessiner()
{
    if (!canevas)
        return;
    const auto trouvé = nœuds.find(&canevas->Cadre);
    if (trouvé != nœuds.end())
        DessinerCanevas(*canevas, trouvé->second["firstChild"]);
}

// Entrée dans un dialogue : le premier bouton par défaut montré, sinon le dernier.
void VueWeb::PresserDéfaut()
{
    if (déclaration.ParDéfaut.empty())
        return;
    const auto montré = std::find_if(déclaration.ParDéfaut.begin(), déclaration.ParDéfaut.end(),
                                     [](const Contrôle* p) { return p->Visible; });
    const Contrôle* défaut = montré != déclaration.ParDéfaut.end() ? *montré : déclaration.ParDéfaut.back();
    if (!défaut->Enabled)
        return;
    if (const ContrôleDéclaré* d = déclaration.Trouver(*défaut); d && d->Clic)
        d->Clic();
}

void VueWeb::Annuler()
{
    const Contrôle* annulation = déclaration.Annulation;
    if (annulation && annulation->Visible && annulation->Enabled) {
        if (const ContrôleDéclaré* d = déclaration.Trouver(*annulation); d && d->Clic)
            d->Clic();
        return;
    }
    modèle.Form_QueryUnload();
}

// Le modèle voit chaque caractère avant la zone, comme au bureau : il peut le remplacer ou l'annuler, puis
// la zone l'insère là où il a laissé le curseur. 8 efface, 13 valide, 27 annule.
void VueWeb::Taper(const ContrôleDéclaré& d, const std::string& texte, int début, int fin)
{
    Contrôle& c = *d.Modèle;
    std::size_t curseur = static_cast<std::size_t>(std::max(début, 0));
    std::size_t bout = static_cast<std::size_t>(std::max(fin, début));
    for (const std::string& caractère : Caractères(texte)) {
        if (modèle.EstFermée())
            return;
        char32_t code = PointDeCode(caractère);
        const char32_t tapé = code;
        if (d.Zone)
            d.Zone->SelStart = curseur;
        if (d.Touche && !d.Touche(code))
            code = 0;
        if (d.Zone)
            curseur = d.Zone->SelStart;
        std::vector<std::string> caractères = Caractères(c.Caption);
        curseur = std::min(curseur, caractères.size());
        bout = std::clamp(bout, curseur, caractères.size());
        if (code == 0 || modèle.EstFermée())
            continue;
        if (code == ToucheEntrée) {
            PresserDéfaut();
            return;
        }
        if (code == ToucheÉchap) {
            Annuler();
            return;
        }
        if (code == ToucheRetourArrière) {
            if (bout == curseur && curseur > 0)
                --curseur;
            caractères.erase(caractères.begin() + static_cast<std::ptrdiff_t>(curseur),
                             caractères.begin() + static_cast<std::ptrdiff_t>(bout));
        } else {
            if (code != tapé || code >= 32) {
                caractères.erase(caractères.begin() + static_cast<std::ptrdiff_t>(curseur),
                                 caractères.begin() + static_cast<std::ptrdiff_t>(bout));
                caractères.insert(caractères.begin() + static_cast<std::ptrdiff_t>(curseur), EnUtf8(code));
                ++curseur;
            }
        }
        bout = curseur;
        c.Caption = Joindre(caractères);
        if (d.Zone)
            d.Zone->SelStart = curseur;
        if (d.Changement)
            d.Changement();
    }
    if (const auto trouvé = nœuds.find(&c); trouvé != nœuds.end()) {
        trouvé->second.set("value", c.Caption);
        trouvé->second.call<void>("setSelectionRange", static_cast<int>(curseur), static_cast<int>(curseur));
    }
}

void VueWeb::Traiter(const val& évènement)
{
    const std::string genre = évènement["genre"].as<std::string>();
    if (genre == "taille") {
        modèle.Form.Width = VersTwips(évènement["largeur"].as<double>(), TwipsParPixelPage);
        modèle.Form.Height = VersTwips(évènement["hauteur"].as<double>(), TwipsParPixelPage);
        if (déclaration.Redimensionnement)
            déclaration.Redimensionnement();
        return;
    }
    if (genre == "annuler") {
        Annuler();
        return;
    }
    if (genre == "survol-fenetre") {
        if (déclaration.Survol)
            déclaration.Survol();
        return;
    }
    if (genre == "defaut") {
        PresserDéfaut();
        return;
    }
    const int indice = évènement["controle"].as<int>();
    if (indice < 0 || indice >= static_cast<int>(déclaration.Contrôles.size()))
        return;
    const ContrôleDéclaré& d = déclaration.Contrôles[static_cast<std::size_t>(indice)];
    if (d.Tableau) {
        const int élément = évènement["element"].as<int>();
        if (élément < 0 || élément >= static_cast<int>(d.Tableau->size()))
            return;
        const Contrôle& c = (*d.Tableau)[static_cast<std::size_t>(élément)];
        if (!c.Visible || !c.Enabled)
            return;
        if (genre == "clic" && d.ClicÉlément)
            d.ClicÉlément(static_cast<std::size_t>(élément));
        else if (genre == "survol" && d.SurvolÉlément)
            d.SurvolÉlément(static_cast<std::size_t>(élément));
        return;
    }
    Contrôle& c = *d.Modèle;
    // Un contrôle caché ou inactif ne reçoit rien, quoi que la page ait laissé passer.
    if (!c.Visible || !c.Enabled)
        return;
    if (genre == "clic") {
        if (d.Sorte == Genre::Option)
            c.Checked = true;
        if (d.Clic)
            d.Clic();
    } else if (genre == "survol") {
        if (d.Survol)
            d.Survol();
    } else if (genre == "choix") {
        if (d.ClicÉlément && évènement["ligne"].as<int>() >= 0 &&
            évènement["ligne"].as<int>() != *d.LigneChoisie)
            d.ClicÉlément(évènement["ligne"].as<std::size_t>());
    } else if (genre == "changement") {
        c.Caption = évènement["texte"].as<std::string>();
        if (d.Changement)
            d.Changement();
    } else if (genre == "touche") {
        Taper(d, évènement["texte"].as<std::string>(), évènement["debut"].as<int>(),
              évènement["fin"].as<int>());
    } else if (genre == "fleche" && d.SurFlèche) {
        const Flèche sens = static_cast<Flèche>(évènement["sens"].as<int>());
        if (Contrôle* voisin = d.SurFlèche(sens); voisin && nœuds.contains(voisin))
            nœuds.at(voisin).call<void>("focus");
    } else if (canevas && &c == &canevas->Cadre) {
        const double x = évènement["x"].as<double>();
        const double y = évènement["y"].as<double>();
        const PointPlan p = canevas->RepèreCourant().DepuisPixels({x, y}, évènement["largeur"].as<double>(),
                                                                  évènement["hauteur"].as<double>());
        if (genre == "souris-bas" && canevas->MouseDown)
            canevas->MouseDown(évènement["boutons"].as<int>(), p.X, p.Y);
        else if (genre == "souris-deplace" && canevas->MouseMove)
            canevas->MouseMove(évènement["boutons"].as<int>(), p.X, p.Y);
        else if (genre == "touche-canevas" && canevas->KeyPress) {
            char32_t code = static_cast<char32_t>(évènement["code"].as<int>());
            canevas->KeyPress(code);
        } else if (genre == "fleche-canevas" && canevas->KeyDown)
            canevas->KeyDown(évènement["code"].as<int>());
    }
}

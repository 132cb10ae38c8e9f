#include "app/dialogs/french_help.h"

namespace sorimo {

QString FrenchHelpText() {
  return QString::fromUtf8(
      "<p align=\"center\" style=\"font-size:15pt; font-weight:bold; color:#ffd24a;\">"
      "Bienvenue dans Sorimo&nbsp;!</p>"
      "<p>Sorimo est un jeu de patience joué avec les 144 tuiles du mah-jong. Les tuiles sont "
      "empilées sur une à cinq couches selon une disposition (le «&nbsp;layout&nbsp;»). Le but&nbsp;: "
      "vider le plateau en retirant les tuiles deux par deux.</p>"
      "<p><b style=\"color:#ffd24a;\">La règle.</b> On ne peut prendre qu'une tuile libre&nbsp;: "
      "aucune tuile ne la couvre, même en partie, et son côté gauche ou son côté droit est dégagé. "
      "Cliquez sur deux tuiles libres identiques pour les retirer. Les quatre fleurs forment une "
      "famille, les quatre saisons une autre. Avec <i>Vertical Variation</i>, ce sont le haut et le "
      "bas de la tuile qui doivent être dégagés.</p>"
      "<p><b style=\"color:#ffd24a;\">Le temps compte.</b> Un indice (<i>Hint</i>) coûte 40 secondes, "
      "un mélange (<i>Shuffle</i>) 10 secondes par coup trouvé. Les dix meilleurs temps de chaque "
      "disposition entrent au <i>Hall of Fame</i>.</p>"
      "<p><b style=\"color:#ffd24a;\">Les autres jeux.</b> Jouez à deux sur le même plateau, reliez "
      "les paires par un chemin d'au plus trois traits dans <i>Rivers</i>, retrouvez les paires "
      "cachées dans <i>Memory</i>, faites tomber les groupes de même couleur dans <i>Clicks</i>.</p>"
      "<p align=\"center\" style=\"color:#f3d9a0;\"><i>Touche F1&nbsp;: le mode d'emploi complet, en "
      "anglais. Bonne partie&nbsp;!</i></p>");
}

}  // namespace sorimo

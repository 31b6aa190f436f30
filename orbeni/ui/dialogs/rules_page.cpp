#include "orbeni/ui/dialogs/rules_page.h"

namespace orbeni {

QString rulesHtml() {
    return QString::fromUtf8(R"html(
<h2 style="color:#0a5a50">Les règles du Mah-Jongg solitaire</h2>
<p>Les 144 tuiles sont empilées sur un à cinq étages. Le but du jeu est simple&nbsp;: retirer
toutes les tuiles du plateau, deux par deux. Une partie est gagnée quand le plateau est vide.</p>

<h3 style="color:#8c1c1c">Les tuiles libres</h3>
<p>On ne peut prendre qu'une tuile <b>libre</b>&nbsp;: aucune tuile n'est posée sur elle, même en
partie, et elle peut glisser vers la gauche ou vers la droite, c'est-à-dire qu'au moins un de ses
deux côtés est dégagé. Avec la <i>variante verticale</i>, c'est vers le haut ou vers le bas
qu'elle doit pouvoir glisser.</p>

<h3 style="color:#8c1c1c">Les paires</h3>
<p>Cliquez sur deux tuiles libres qui vont ensemble&nbsp;: elles quittent le plateau. Cliquez de
nouveau sur une tuile choisie pour la reposer.</p>
<ul>
<li>Les caractères, les bambous, les cercles, les vents et les dragons vont par paires de tuiles
<b>identiques</b> (il y a quatre exemplaires de chacune).</li>
<li>Les quatre <b>fleurs</b> sont uniques, mais n'importe quelle fleur va avec n'importe quelle
autre fleur.</li>
<li>De même, n'importe quelle <b>saison</b> va avec n'importe quelle autre saison.</li>
</ul>
<p>La page <i>Tiles</i> montre toutes les tuiles, famille par famille.</p>

<h3 style="color:#8c1c1c">Les aides, et ce qu'elles coûtent</h3>
<ul>
<li><b>Hint</b> (indice) montre une paire que vous pouvez prendre. Chaque indice ajoute
<b>40&nbsp;secondes</b> à votre temps.</li>
<li><b>Back</b> reprend la dernière paire et la remet en place. Revenir en arrière ne coûte rien.</li>
<li><b>Shuffle</b> mélange les tuiles qui restent, sans changer leurs places. Chaque coup possible
après le mélange ajoute <b>10&nbsp;secondes</b> à votre temps.</li>
</ul>
<p>La barre d'état compte les tuiles et les coups qui restent. Quand plus aucun coup n'est
possible, il faut revenir en arrière, mélanger ou recommencer.</p>

<h3 style="color:#8c1c1c">Le temps et le tableau d'honneur</h3>
<p>Votre temps est le temps de jeu plus les pénalités. Une partie s'arrête au bout de
100&nbsp;minutes. Chaque disposition, et Rivers, a son tableau d'honneur des dix meilleurs temps
(la colonne <i>Malus</i> donne la part des pénalités)&nbsp;: un temps meilleur que le dixième y
entre.</p>

<h3 style="color:#8c1c1c">Mah-Jongg Rivers</h3>
<p>Ici, <b>84 tuiles</b> sont posées à plat, sur un seul étage. Deux tuiles qui vont ensemble
partent quand on peut les relier par un chemin d'<b>au plus trois segments droits</b> qui ne
passe que par des cases vides&nbsp;: la rivière entre elles. Les tuiles n'ont donc pas besoin
d'être libres au sens habituel.</p>

<p style="color:#606060"><i>Bonne partie&nbsp;!</i></p>
)html");
}

}  // namespace orbeni

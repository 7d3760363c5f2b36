<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>tallyworth::AboutBox</name>
    <message>
        <source>Dedicated to the pupils and teachers of Hazelbrook Primary School in Millbridge.</source>
        <translation>Dédié aux élèves et aux enseignants de la Hazelbrook Primary School à Millbridge.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3 BETA</source>
        <translation>Version %1.%2.%3 BÊTA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>Logo de %1</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse électronique</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSet</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Fiche %1 sur %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>A class set has 1 to %1 sheets of settings that make a worksheet.</source>
        <translation>Un jeu de fiches pour la classe compte de 1 à %1 fiches, avec des réglages qui permettent de faire une fiche.</translation>
    </message>
    <message>
        <source>A class set of %1 worksheets; the first sheet&apos;s code is %2</source>
        <translation>Un jeu de fiches pour la classe de %1 fiches&#xa0;; le code de la première fiche est %2</translation>
    </message>
    <message>
        <source>Tallyworth class set</source>
        <translation>Jeu de fiches pour la classe Tallyworth</translation>
    </message>
    <message>
        <source>The paper is too small for a worksheet.</source>
        <translation>Le papier est trop petit pour une fiche.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Impossible de commencer une nouvelle page.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Jeu de fiches pour la classe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>After each sheet</source>
        <translation>Après chaque fiche</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Tous à la fin</translation>
    </message>
    <message>
        <source>&amp;Header with Name and Date lines</source>
        <translation>&amp;En-tête avec lignes Nom et Date</translation>
    </message>
    <message>
        <source>Number of &amp;sheets:</source>
        <translation>Nombre de &amp;fiches&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Answer keys:</source>
        <translation>&amp;Corrigés&#xa0;:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>Fichier &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>Forma&amp;t du papier&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>&amp;Imprimante</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetProgressDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Jeu de fiches pour la classe</translation>
    </message>
    <message>
        <source>Making the class set...</source>
        <translation>Création du jeu de fiches...</translation>
    </message>
    <message>
        <source>Making the class set: page %1 of %2</source>
        <translation>Création du jeu de fiches&#xa0;: page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::CommandLine</name>
    <message>
        <source>Print them as one job on the default printer.</source>
        <translation>Les imprimer en une seule tâche sur l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>Print on the printer NAME instead.</source>
        <translation>Imprimer plutôt sur l&apos;imprimante NAME.</translation>
    </message>
    <message>
        <source>The operation (default +); ÷ is read as /, x as *.</source>
        <translation>L&apos;opération (par défaut +)&#xa0;; ÷ est lu comme /, x comme *.</translation>
    </message>
    <message>
        <source>Subtractions may have negative results.</source>
        <translation>Les soustractions peuvent avoir un résultat négatif.</translation>
    </message>
    <message>
        <source>Divisions with the division sign (default) or the long-division bracket.</source>
        <translation>Divisions avec le signe de division (par défaut) ou en division posée.</translation>
    </message>
    <message>
        <source>Answer keys: none (default), each after its sheet, or all at the end.</source>
        <translation>Corrigés&#xa0;: aucun (par défaut), chacun après sa fiche ou tous à la fin.</translation>
    </message>
    <message>
        <source>Leave out the band with the Name and Date lines, the sheet number and the code.</source>
        <translation>Omettre le bandeau avec les lignes Nom et Date, le numéro de fiche et le code.</translation>
    </message>
    <message>
        <source>The paper: by default the system&apos;s for a PDF, the printer&apos;s own for a print.</source>
        <translation>Le papier&#xa0;: par défaut celui du système pour un PDF, celui de l&apos;imprimante pour une impression.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>--%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>--%1 prend l&apos;une des valeurs %2, pas «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Give either --pdf or --print, not both.</source>
        <translation>Indiquez soit --pdf, soit --print, pas les deux.</translation>
    </message>
    <message>
        <source>Say where the worksheets go: --pdf FILE or --print.</source>
        <translation>Indiquez où vont les fiches&#xa0;: --pdf FILE ou --print.</translation>
    </message>
    <message>
        <source>--pdf needs a file name.</source>
        <translation>--pdf demande un nom de fichier.</translation>
    </message>
    <message>
        <source>--printer needs a printer name, and --print with it.</source>
        <translation>--printer demande un nom d&apos;imprimante, et --print avec lui.</translation>
    </message>
    <message>
        <source>--sheets takes a number of sheets from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--sheets prend un nombre de fiches de 1 à %1, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--code holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--code contient les réglages de la fiche&#xa0;: retirez --%1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>Without arguments Tallyworth opens its windows. With them it makes worksheets without any window: one sheet, or a class set of different sheets, each with its own sheet code, written to a PDF or printed as one job. The first sheet&apos;s code is written to standard output; --code with it and --sheets makes the same sheets again.</source>
        <translation>Sans arguments, Tallyworth ouvre ses fenêtres. Avec des arguments, il fait des fiches sans aucune fenêtre&#xa0;: une fiche, ou un jeu de fiches pour la classe, toutes différentes, chacune avec son propre code de fiche, écrites dans un PDF ou imprimées en une seule tâche. Le code de la première fiche est écrit sur la sortie standard&#xa0;; --code avec ce code et --sheets refont les mêmes fiches.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the worksheets could not be written or printed, 2 for bad options or settings.</source>
        <translation>Code de sortie&#xa0;: 0 en cas de réussite, 1 si les fiches n&apos;ont pas pu être écrites ou imprimées, 2 pour des options ou des réglages erronés.</translation>
    </message>
    <message>
        <source>Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Écarte les calculs dont le résultat est évident&#xa0;: fois 1, divisé par 1 ou par lui-même, moins lui-même.</translation>
    </message>
    <message>
        <source>Carrying and borrowing in + and -: allowed (default), never, or in every problem.</source>
        <translation>Retenues en + et -&#xa0;: permises (par défaut), jamais, ou dans chaque calcul.</translation>
    </message>
    <message>
        <source>No problem comes twice on a sheet until every allowed problem has been used.</source>
        <translation>Aucun calcul ne revient sur une fiche avant que tous les calculs permis aient servi.</translation>
    </message>
    <message>
        <source>Example: 30 different sheets of the 7 times table without trivial facts, each followed by its answer key:</source>
        <translation>Exemple&#xa0;: 30 fiches différentes de la table de 7 sans calculs trop faciles, chacune suivie de son corrigé&#xa0;:</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>Try &apos;tallyworth --help&apos;.</source>
        <translation>Essayez «&#xa0;tallyworth --help&#xa0;».</translation>
    </message>
    <message>
        <source>the windows need a display; --pdf and --print make worksheets without one (see tallyworth --help).</source>
        <translation>les fenêtres ont besoin d&apos;un écran&#xa0;; --pdf et --print font des fiches sans écran (voir tallyworth --help).</translation>
    </message>
    <message>
        <source>Write the worksheets to the PDF file FILE; - writes them to standard output.</source>
        <translation>Écrire les fiches dans le fichier PDF FILE&#xa0;; - les écrit sur la sortie standard.</translation>
    </message>
    <message>
        <source>--pdf needs a file name, not the option &quot;%1&quot;; write ./%1 for a file of that name.</source>
        <translation>--pdf demande un nom de fichier, pas l&apos;option «&#xa0;%1&#xa0;»&#xa0;; pour un fichier de ce nom, écrivez ./%1.</translation>
    </message>
    <message>
        <source>A fixed divisor takes its dividends from the range, so the range must reach its multiples: sheets of 7 ÷ 7 to 84 ÷ 7:</source>
        <translation>Un diviseur fixe prend ses dividendes dans l&apos;intervalle, qui doit donc atteindre ses multiples&#xa0;: fiches de 7 ÷ 7 à 84 ÷ 7&#xa0;:</translation>
    </message>
    <message>
        <source>The Lowest Number, %1 to %2 (default %3).</source>
        <translation>Le plus petit nombre, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>The Highest Number, %1 to %2 (default %3).</source>
        <translation>Le plus grand nombre, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>How many problems a sheet has, %1 to %2 (default %3).</source>
        <translation>Nombre de calculs par fiche, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /.</source>
        <translation>Fait travailler le nombre F, de %1 à %2&#xa0;: le second nombre de + et *, le nombre retranché en -, le diviseur en /.</translation>
    </message>
    <message>
        <source>How many different sheets, %1 to %2 (default %3).</source>
        <translation>Nombre de fiches différentes, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>The multiplication sign: ×, ⋅ or *; by default the one taught in the user&apos;s language.</source>
        <translation>Le signe de multiplication&#xa0;: ×, ⋅ ou *&#xa0;; par défaut celui qu&apos;on enseigne dans la langue de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>The division sign written on a line: obelus for the division sign ÷, colon for :; by default the one taught in the user&apos;s language.</source>
        <translation>Le signe de division écrit sur une ligne&#xa0;: obelus pour le signe ÷, colon pour les deux-points&#xa0;:&#xa0;; par défaut celui qu&apos;on enseigne dans la langue de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Each problem&apos;s numbers stacked in a column (default) or on one line.</source>
        <translation>Les nombres de chaque calcul en colonne (par défaut) ou sur une ligne.</translation>
    </message>
    <message>
        <source>How big the figures are printed: normal (default), large or extra large.</source>
        <translation>La taille des chiffres imprimés&#xa0;: normale (par défaut), grande ou très grande.</translation>
    </message>
    <message>
        <source>Print a sheet of few problems as large as fills its page.</source>
        <translation>Imprimer une fiche de peu de calculs assez grande pour remplir sa page.</translation>
    </message>
    <message>
        <source>Serve the worksheets&apos; page to the browsers of the network, until stopped.</source>
        <translation>Servir la page des fiches aux navigateurs du réseau, jusqu’à l’arrêt.</translation>
    </message>
    <message>
        <source>Where --serve listens (default 127.0.0.1:8470); 0.0.0.0:8470 opens it to the network, port 0 takes a free one.</source>
        <translation>Où --serve écoute (par défaut 127.0.0.1:8470) ; 0.0.0.0:8470 l’ouvre au réseau, le port 0 en prend un libre.</translation>
    </message>
    <message>
        <source>Serve under PATH, such as /worksheets, behind a reverse proxy.</source>
        <translation>Servir sous PATH, par exemple /worksheets, derrière un proxy inverse.</translation>
    </message>
    <message>
        <source>How many class sets --serve draws at once (default: one a processor core).</source>
        <translation>Combien de jeux de fiches --serve crée à la fois (par défaut : un par cœur de processeur).</translation>
    </message>
    <message>
        <source>How many more class sets wait for their turn (default 64); the rest are asked to try again.</source>
        <translation>Combien de jeux de fiches de plus attendent leur tour (par défaut 64) ; les autres sont priés de réessayer.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &quot;%3&quot;.</source>
        <translation>--%1 prend un nombre entier de 1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>How many connections --serve takes from one address at once (default 16); behind a reverse proxy, every client has the proxy&apos;s address.</source>
        <translation>Combien de connexions --serve accepte d’une même adresse à la fois (par défaut 16) ; derrière un proxy inverse, tous les clients ont l’adresse du proxy.</translation>
    </message>
    <message>
        <source>The range of the first number (the dividend of a division), in place of --lowest and --highest.</source>
        <translation>L’intervalle du premier nombre (le dividende d’une division), à la place de --lowest et --highest.</translation>
    </message>
    <message>
        <source>The range of the second number (the divisor of a division); the first&apos;s unless given.</source>
        <translation>L’intervalle du second nombre (le diviseur d’une division)&#xa0;; celui du premier s’il n’est pas donné.</translation>
    </message>
    <message>
        <source>--%1 takes a range LOW-HIGH, not &quot;%2&quot;.</source>
        <translation>--%1 prend un intervalle MIN-MAX, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--section holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--section contient les réglages de la fiche&#xa0;: retirez --%1.</translation>
    </message>
    <message>
        <source>Section %1 (%2): </source>
        <translation>Section %1 (%2)&#xa0;: </translation>
    </message>
    <message>
        <source>Section %1: %2 takes %3, not &quot;%4&quot;.</source>
        <translation>Section %1&#xa0;: %2 prend %3, pas «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Section %1: &quot;%2&quot; is not a field. Write each field as name=value, a value with blanks in double quotes: title=&quot;Times tables&quot;.</source>
        <translation>Section %1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un champ. Écrivez chaque champ sous la forme nom=valeur, une valeur avec des espaces entre guillemets droits&#xa0;: title=&quot;Tables de multiplication&quot;.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>Print on each sheet, next to its code, a QR code of its practice page: URL followed by practice?code= and the code. With --serve, on the sheets it serves.</source>
        <translation>Imprimer sur chaque fiche, à côté de son code, un code QR de sa page d’entraînement&#xa0;: URL suivie de practice?code= et du code. Avec --serve, sur les fiches qu’il sert.</translation>
    </message>
    <message>
        <source>--public-url takes an http or https address such as https://school.example/worksheets/, not &quot;%1&quot;.</source>
        <translation>--public-url prend une adresse http ou https comme https://school.example/worksheets/, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--serve takes only --listen, --base-path, --sets, --queue, --per-client and --public-url, not --%1.</source>
        <translation>--serve ne prend que --listen, --base-path, --sets, --queue, --per-client et --public-url, pas --%1.</translation>
    </message>
    <message>
        <source>One section of a sheet of several, given once for each, such as &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Times tables&quot;&apos;. Kinds: facts, missing (missing=first|second|either), table-division, remainder (remainders=N for at least N %, or always), written (one operation; numbers of up to 6 digits; addends=2..4 for +, carrying=any|never|once for + and -, remainders=N or always for /). Other fields: operation (+, -, *, / or a list such as +,- or mix), first and second (LOW-HIGH), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In place of the options above.</source>
        <translation>Une section d’une fiche qui en compte plusieurs, donnée une fois pour chacune, par exemple &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Tables&quot;&apos;. Genres : facts (calculs), missing (nombre manquant ; missing=first|second|either), table-division (division des tables), remainder (division avec reste ; remainders=N pour au moins N %, ou always), written (opérations posées : une opération ; nombres jusqu’à 6 chiffres ; addends=2..4 pour +, carrying=any|never|once pour + et -, remainders=N ou always pour /). Autres champs : operation (+, -, *, / ou une liste comme +,- ou mix), first et second (MIN-MAX), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. À la place des options ci-dessus.</translation>
    </message>
    <message>
        <source>How written methods are laid out, as the schools of a country write them; by default those of the user&apos;s language and country.</source>
        <translation>La présentation des opérations posées, telle que les écoles d’un pays les écrivent ; par défaut celles de la langue et du pays de l’utilisateur.</translation>
    </message>
    <message>
        <source>Squared paper behind written methods; by default as the method&apos;s country uses it.</source>
        <translation>Papier quadrillé derrière les opérations posées ; par défaut comme le pays de la méthode l’utilise.</translation>
    </message>
    <message>
        <source>Answer keys of written methods show the whole working, not the answers alone.</source>
        <translation>Les corrigés des opérations posées montrent tout le calcul, pas seulement les résultats.</translation>
    </message>
    <message>
        <source>Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size, fill-page, method, squares and key-working options, when given, override the code&apos;s.</source>
        <translation>Refaire la fiche de ce code, avec ses réglages ; avec --sheets N, le jeu de fiches qui commence par elle. Les options de signe, de disposition, de taille, --fill-page, --method, --squares et --key-working données l&apos;emportent sur celles du code.</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogColorChooser</name>
    <message>
        <source>Color Picker</source>
        <translation>Choix de la couleur</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogFileChooser</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>tallyworth::MainWindow</name>
    <message>
        <source>Lowest Number</source>
        <translation>Plus petit nombre</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Plus grand nombre</translation>
    </message>
    <message>
        <source>How Many Problems</source>
        <translation>Nombre de calculs</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Allow Negative Results</source>
        <translation>Résultats négatifs permis</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>Long-division bracket</source>
        <translation>Division posée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Open Sheet Code...</source>
        <translation>&amp;Ouvrir un code de fiche...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Problem &amp;Rules...</source>
        <translation>&amp;Règles des calculs...</translation>
    </message>
    <message>
        <source>Division sign</source>
        <translation>Signe de division</translation>
    </message>
    <message>
        <source>&amp;Page...</source>
        <translation>&amp;Page...</translation>
    </message>
    <message>
        <source>Drawing the problems</source>
        <translation>Tirage des calculs</translation>
    </message>
    <message>
        <source>&amp;Sections...</source>
        <translation>&amp;Sections...</translation>
    </message>
</context>
<context>
    <name>tallyworth::Operations</name>
    <message>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageFill</name>
    <message>
        <source>ComposeProblems(): Subscript out of range</source>
        <translation>ComposeProblems(): indice hors limites</translation>
    </message>
    <message>
        <source>DisplayProblems(): Subscript out of range</source>
        <translation>DisplayProblems(): indice hors limites</translation>
    </message>
    <message>
        <source>An Error has been detected.</source>
        <translation>Une erreur a été détectée.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageOptionsDialog</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>As usually taught (%1)</source>
        <translation>Comme on l’enseigne (%1)</translation>
    </message>
    <message>
        <source>Cross %1</source>
        <translation>Croix %1</translation>
    </message>
    <message>
        <source>Dot %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>Asterisk %1</source>
        <translation>Astérisque %1</translation>
    </message>
    <message>
        <source>Division sign %1</source>
        <translation>Signe de division %1</translation>
    </message>
    <message>
        <source>Colon %1</source>
        <translation>Deux-points %1</translation>
    </message>
    <message>
        <source>Stacked in columns</source>
        <translation>En colonnes</translation>
    </message>
    <message>
        <source>On a line</source>
        <translation>Sur une ligne</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Large (18 pt)</source>
        <translation>Grande (18&#xa0;pt)</translation>
    </message>
    <message>
        <source>Extra large (24 pt)</source>
        <translation>Très grande (24&#xa0;pt)</translation>
    </message>
    <message>
        <source>&amp;Fill the page</source>
        <translation>&amp;Remplir la page</translation>
    </message>
    <message>
        <source>Prints a short worksheet as large as its page allows.</source>
        <translation>Imprime une fiche courte aussi grande que la page le permet.</translation>
    </message>
    <message>
        <source>&amp;Times sign:</source>
        <translation>Signe de &amp;multiplication&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Division sign:</source>
        <translation>Signe de &amp;division&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Présentation&#xa0;:</translation>
    </message>
    <message>
        <source>Print &amp;size:</source>
        <translation>&amp;Taille des caractères&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Written methods:</source>
        <translation>&amp;Opérations posées :</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>S&amp;quared paper:</source>
        <translation>Papier &amp;quadrillé :</translation>
    </message>
    <message>
        <source>As the method&apos;s country uses it</source>
        <translation>Comme le pays de la méthode l’utilise</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Answer &amp;keys show the whole working</source>
        <translation>Les &amp;corrigés montrent tout le calcul</translation>
    </message>
    <message>
        <source>An answer key of written methods shows every step, not the answers alone.</source>
        <translation>Un corrigé d’opérations posées montre chaque étape, pas seulement les résultats.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageStatusLine</name>
    <message>
        <source>Sheet c&amp;ode:</source>
        <translation>&amp;Code de fiche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>Rè&amp;gles&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Solutions</source>
        <translation>&amp;Solutions</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Pages</translation>
    </message>
    <message>
        <source>Page &amp;1</source>
        <translation>Page &amp;1</translation>
    </message>
    <message>
        <source>Page &amp;2</source>
        <translation>Page &amp;2</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>C&amp;olor Picker...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Only the division test with more than 50 problems has two pages</source>
        <translation>Seule une fiche de divisions de plus de 50 calculs a deux pages</translation>
    </message>
    <message>
        <source>Class &amp;Set...</source>
        <translation>&amp;Jeu de fiches pour la classe...</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions shown</source>
        <translation>Fiche, page %1 sur %2, solutions affichées</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions hidden</source>
        <translation>Fiche, page %1 sur %2, solutions masquées</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>P&amp;revious Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message numerus="yes">
        <source>The worksheet has %n page(s).</source>
        <translation>
            <numerusform>La fiche a %n page.</numerusform>
            <numerusform>La fiche a %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche</translation>
    </message>
</context>
<context>
    <name>tallyworth::Practice</name>
    <message>
        <source>The minutes for the practice must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>Les minutes de l’exercice doivent être un nombre entier de %1 à %2, pas «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>A second go at wrong answers is retry=1, or retry=0 for none, not &quot;%1&quot;.</source>
        <translation>Un second essai pour les réponses fausses s’écrit retry=1, ou retry=0 pour aucun, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This practice link has no sheet code. Ask your teacher for the whole link.</source>
        <translation>Ce lien d’exercice n’a pas de code de fiche. Demande le lien complet à ton enseignant ou ton enseignante.</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <translation>Calcul %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Temps utilisé&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Type each answer, then press Check.</source>
        <translation>Écris chaque réponse, puis appuie sur Vérifier.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Wrong. Right: %1</source>
        <translation>Faux. Juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 sur %2 justes</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier encore</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>tallyworth::Printing</name>
    <message>
        <source>Tallyworth worksheet</source>
        <translation>Fiche Tallyworth</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>L&apos;imprimante par défaut «&#xa0;%1&#xa0;» est injoignable. Vérifiez qu&apos;elle est configurée, puis relancez l&apos;impression.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>L&apos;imprimante par défaut «&#xa0;%1&#xa0;» n&apos;accepte pas les travaux d&apos;impression. Autorisez-la à les accepter dans les paramètres de l&apos;imprimante, puis relancez l&apos;impression.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Le travail d&apos;impression n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Le travail d&apos;impression n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>le PDF n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the printer settings, then print again.</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée. Choisissez une imprimante par défaut dans les paramètres de l&apos;imprimante, puis relancez l&apos;impression.</translation>
    </message>
    <message>
        <source>The print job could not be started: %1.</source>
        <translation>Le travail d&apos;impression n&apos;a pas pu être lancé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté le travail d&apos;impression&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not save the PDF: no file name was given.</source>
        <translation>Impossible d&apos;enregistrer le PDF&#xa0;: aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>le système d&apos;impression n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <source>The print service cannot be reached. Please check that printing is set up and running, then try again.</source>
        <translation>Le service d&apos;impression est injoignable. Vérifiez que l&apos;impression est configurée et en marche, puis réessayez.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The worksheet waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est en pause. La fiche attend dans sa file d&apos;attente jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Tallyworth worksheet %1</source>
        <translation>Fiche Tallyworth %1</translation>
    </message>
    <message>
        <source>Sheet code %1</source>
        <translation>Code de fiche %1</translation>
    </message>
    <message>
        <source>The worksheet of the sheet code %1 could not be composed.</source>
        <translation>Impossible de composer la fiche du code de fiche %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est injoignable. Vérifiez qu&apos;elle est configurée, puis relancez l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de tâches d&apos;impression. Autorisez-la à en accepter dans les réglages des imprimantes, puis relancez l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRules</name>
    <message>
        <source>no problem fits these settings and rules</source>
        <translation>aucun calcul ne respecte ces réglages et règles</translation>
    </message>
    <message>
        <source>No problem fits these settings and rules. Please widen the range or change the rules.</source>
        <translation>Aucun calcul ne respecte ces réglages et règles. Veuillez élargir l&apos;intervalle ou modifier les règles.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln different problems</source>
        <translation>
            <numerusform>%Ln calcul différent</numerusform>
            <numerusform>%Ln calculs différents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %Ln different problems: some will repeat</source>
        <translation>
            <numerusform>seulement %Ln calcul différent&#xa0;: il se répétera</numerusform>
            <numerusform>seulement %Ln calculs différents&#xa0;: certains se répéteront</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</source>
        <translation>
            <numerusform>Seul %Ln calcul différent respecte ces réglages et règles&#xa0;: il se répétera donc. Faire la fiche quand même&#xa0;?</numerusform>
            <numerusform>Seuls %Ln calculs différents respectent ces réglages et règles&#xa0;: certains se répéteront donc. Faire la fiche quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</source>
        <translation>
            <numerusform>Seul %Ln calcul différent respecte ces réglages et règles&#xa0;: il se répétera donc&#xa0;; les fiches sont faites quand même.</numerusform>
            <numerusform>Seuls %Ln calculs différents respectent ces réglages et règles&#xa0;: certains se répéteront donc&#xa0;; les fiches sont faites quand même.</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion billion different problems</source>
        <translation>plus d&apos;un milliard de milliards de calculs différents</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRulesDialog</name>
    <message>
        <source>Problem Rules</source>
        <translation>Règles des calculs</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Pas de calculs &amp;trop faciles</translation>
    </message>
    <message>
        <source>Leaves out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Écarte les calculs dont le résultat est évident&#xa0;: fois 1, divisé par 1 ou par lui-même, moins lui-même.</translation>
    </message>
    <message>
        <source>&amp;Fixed number:</source>
        <translation>Nombre &amp;fixe&#xa0;:</translation>
    </message>
    <message>
        <source>The second number of + and *, the number taken away in -, the divisor in a division; the other number comes from the range.</source>
        <translation>Le second nombre de + et *, le nombre retranché en -, le diviseur d&apos;une division&#xa0;; l&apos;autre nombre est pris dans l&apos;intervalle.</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Nombre fixe</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permises</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>&amp;Carrying and borrowing:</source>
        <translation>&amp;Retenues&#xa0;:</translation>
    </message>
    <message>
        <source>No &amp;repeats on a sheet</source>
        <translation>&amp;Sans répétition sur une fiche</translation>
    </message>
    <message>
        <source>With the main window&apos;s settings:</source>
        <translation>Avec les réglages de la fenêtre principale&#xa0;:</translation>
    </message>
    <message>
        <source>The numbers in the main window cannot make a worksheet, so there is nothing to count yet.</source>
        <translation>Les nombres de la fenêtre principale ne permettent pas de faire une fiche&#xa0;: il n&apos;y a donc encore rien à compter.</translation>
    </message>
    <message>
        <source>View shows the page of cell numbers for these numbers, and the rules do not apply to it.</source>
        <translation>«&#xa0;Voir&#xa0;» affiche pour ces nombres la page des numéros de case, et les règles ne s’y appliquent pas.</translation>
    </message>
</context>
<context>
    <name>tallyworth::RuleWords</name>
    <message>
        <source>no carrying or borrowing</source>
        <translation>pas de retenue</translation>
    </message>
    <message>
        <source>carrying or borrowing in every problem</source>
        <translation>une retenue dans chaque calcul</translation>
    </message>
    <message>
        <source>no trivial facts</source>
        <translation>pas de calculs trop faciles</translation>
    </message>
    <message>
        <source>fixed number %1</source>
        <translation>nombre fixe %1</translation>
    </message>
    <message>
        <source>no repeats</source>
        <translation>pas de répétition</translation>
    </message>
    <message>
        <source>--fixed takes a whole number from 1 to 99, not &quot;%1&quot;.</source>
        <translation>--fixed attend un nombre entier de 1 à 99, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--regrouping takes any, never or always, not &quot;%1&quot;.</source>
        <translation>--regrouping attend any, never ou always, et non «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tallyworth::Sections</name>
    <message>
        <source>operation: choose at least one of +, -, * and /.</source>
        <translation>opération&#xa0;: choisissez au moins un des signes +, -, * et /.</translation>
    </message>
    <message>
        <source>first: %1</source>
        <translation>premier nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>second: %1</source>
        <translation>second nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>problems: %1</source>
        <translation>nombre de calculs&#xa0;: %1</translation>
    </message>
    <message>
        <source>fixed: the fixed number must be between 1 and 99.</source>
        <translation>nombre fixe&#xa0;: le nombre fixe doit être compris entre 1 et 99.</translation>
    </message>
    <message>
        <source>remainders: the share must be between 0 and 100 %.</source>
        <translation>restes&#xa0;: la part doit être comprise entre 0 et 100&#xa0;%.</translation>
    </message>
    <message>
        <source>title: at most %1 characters on one line, please.</source>
        <translation>titre&#xa0;: %1 caractères au plus, sur une seule ligne.</translation>
    </message>
    <message>
        <source>Section %1, %2</source>
        <translation>Section %1, %2</translation>
    </message>
    <message>
        <source>A sheet holds 1 to %1 sections.</source>
        <translation>Une fiche compte de 1 à %1 sections.</translation>
    </message>
    <message>
        <source>The sections hold %1 problems in all, but a sheet holds at most %2.</source>
        <translation>Les sections comptent %1 calculs en tout, mais une fiche en compte au plus %2.</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Missing numbers</source>
        <translation>Nombre manquant</translation>
    </message>
    <message>
        <source>Division from the times tables</source>
        <translation>Division des tables de multiplication</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>Division avec reste</translation>
    </message>
    <message>
        <source>%1: give the lowest and highest number from 1 to %2, the lowest first.</source>
        <translation>%1 : donnez le plus petit et le plus grand nombre de 1 à %2, le plus petit d’abord.</translation>
    </message>
    <message>
        <source>rules: a written section takes no-repeats and carrying, no other rule.</source>
        <translation>règles : une section d’opérations posées ne prend que no-repeats et carrying, aucune autre règle.</translation>
    </message>
    <message>
        <source>carrying: only written sums and differences carry.</source>
        <translation>retenues : seules les additions et soustractions posées ont des retenues.</translation>
    </message>
    <message>
        <source>remainders: only a written division leaves remainders.</source>
        <translation>restes : seule une division posée laisse un reste.</translation>
    </message>
    <message>
        <source>operation: a written section takes one of +, -, * and /.</source>
        <translation>opération : une section d’opérations posées prend une de +, -, * et /.</translation>
    </message>
    <message>
        <source>addends: a written sum adds 2 to %1 numbers; the other operations take 2.</source>
        <translation>termes : une addition posée additionne de 2 à %1 nombres ; les autres opérations en prennent 2.</translation>
    </message>
    <message>
        <source>Written methods</source>
        <translation>Opérations posées</translation>
    </message>
</context>
<context>
    <name>tallyworth::SectionsDialog</name>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>&amp;Sections:</source>
        <translation>&amp;Sections&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;ddition</source>
        <translation>&amp;Addition</translation>
    </message>
    <message>
        <source>Su&amp;btraction</source>
        <translation>Soustractio&amp;n</translation>
    </message>
    <message>
        <source>Mu&amp;ltiplication</source>
        <translation>Mu&amp;ltiplication</translation>
    </message>
    <message>
        <source>Di&amp;vision</source>
        <translation>Di&amp;vision</translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Opérations&#xa0;:</translation>
    </message>
    <message>
        <source>Printed above the section&apos;s problems; none when empty.</source>
        <translation>Imprimé au-dessus des calculs de la section ; aucun s’il est vide.</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itre&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>&amp;First number:</source>
        <translation>&amp;Premier nombre&#xa0;:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the first number. Division from the tables: the quotient. Division with remainders: the number divided.</source>
        <translation>Calculs et nombres manquants : le premier nombre. Division des tables : le quotient. Division avec reste : le nombre divisé.</translation>
    </message>
    <message>
        <source>Seco&amp;nd number:</source>
        <translation>Second nom&amp;bre&#xa0;:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the second number. Both kinds of division: the divisor.</source>
        <translation>Calculs et nombres manquants : le second nombre. Les deux divisions : le diviseur.</translation>
    </message>
    <message>
        <source>&amp;Problems:</source>
        <translation>Nombre de &amp;calculs&#xa0;:</translation>
    </message>
    <message>
        <source>Allow ne&amp;gative results</source>
        <translation>Résultats né&amp;gatifs permis</translation>
    </message>
    <message>
        <source>The first number</source>
        <translation>Le premier nombre</translation>
    </message>
    <message>
        <source>The second number</source>
        <translation>Le second nombre</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>L’un ou l’autre</translation>
    </message>
    <message>
        <source>&amp;Missing number:</source>
        <translation>Nombre man&amp;quant&#xa0;:</translation>
    </message>
    <message>
        <source>At least this share of the section&apos;s problems leaves a remainder.</source>
        <translation>Au moins cette part des calculs de la section laisse un reste.</translation>
    </message>
    <message>
        <source>Remainder s&amp;hare:</source>
        <translation>Part av&amp;ec reste&#xa0;:</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Pas de calculs tr&amp;op faciles</translation>
    </message>
    <message>
        <source>Fi&amp;xed number:</source>
        <translation>Nombre &amp;fixe&#xa0;:</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Nombre fixe</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permises</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Carr&amp;ying and borrowing:</source>
        <translation>&amp;Retenues&#xa0;:</translation>
    </message>
    <message>
        <source>No &amp;repeats</source>
        <translation>C&amp;haque calcul une seule fois</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>The dialog&apos;s list of sections: its number, kind or title, and what its count allows.</extracomment>
        <translation>%1. %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>Sheet of %n section(s) (Options &gt; Sections)</source>
        <translation>
            <numerusform>Fiche de %n section (Options &gt; Sections)</numerusform>
            <numerusform>Fiche de %n sections (Options &gt; Sections)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, lowest</source>
        <translation>%1, minimum</translation>
    </message>
    <message>
        <source>%1, highest</source>
        <translation>%1, maximum</translation>
    </message>
    <message>
        <source>Numbers t&amp;o add:</source>
        <translation>Nombres à additionner (de &amp;2 à 4) :</translation>
    </message>
    <message>
        <source>&amp;Carrying:</source>
        <translation>Retenues pos&amp;ées :</translation>
    </message>
    <message>
        <source>In any column</source>
        <translation>Dans toute colonne</translation>
    </message>
    <message>
        <source>In no column</source>
        <translation>Dans aucune colonne</translation>
    </message>
    <message>
        <source>In one column at most</source>
        <translation>Dans une colonne au plus</translation>
    </message>
    <message>
        <source>How many numbers a written sum adds, one under the other.</source>
        <translation>Combien de nombres une addition posée additionne, l’un sous l’autre.</translation>
    </message>
    <message>
        <source>Where a written sum carries or a written difference borrows.</source>
        <translation>Où une addition posée a une retenue ou une soustraction posée en a une.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Serve</name>
    <message>
        <source>As usually taught</source>
        <translation>Comme on l’enseigne d’habitude</translation>
    </message>
    <message>
        <source>Different problems under these rules: %1</source>
        <translation>Problèmes différents selon ces règles : %1</translation>
    </message>
    <message>
        <source>Make the worksheets</source>
        <translation>Créer les fiches</translation>
    </message>
    <message>
        <source>Bring back a sheet</source>
        <translation>Retrouver une fiche</translation>
    </message>
    <message>
        <source>Make its sheets again</source>
        <translation>Refaire ses fiches</translation>
    </message>
    <message>
        <source>There is no setting &quot;%1&quot;.</source>
        <translation>Il n’y a pas de réglage « %1 ».</translation>
    </message>
    <message>
        <source>Many class sets are being made just now: try again in a moment.</source>
        <translation>Beaucoup de jeux de fiches sont en cours de création : réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Show the sheets as text</source>
        <translation>Afficher les fiches en texte</translation>
    </message>
    <message>
        <source>--listen takes ADDRESS:PORT, such as 127.0.0.1:8470 or [::1]:8470, not &quot;%1&quot;.</source>
        <translation>--listen attend ADRESSE:PORT, par exemple 127.0.0.1:8470 ou [::1]:8470, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--listen: the port of &quot;%1&quot; is not a number from 0 to 65535.</source>
        <translation>--listen&#xa0;: le port de «&#xa0;%1&#xa0;» n’est pas un nombre de 0 à 65535.</translation>
    </message>
    <message>
        <source>--listen: the host of &quot;%1&quot; is not an IP address nor localhost.</source>
        <translation>--listen&#xa0;: l’hôte de «&#xa0;%1&#xa0;» n’est ni une adresse IP ni localhost.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: another program uses that port.</source>
        <translation>Impossible d’écouter sur «&#xa0;%1&#xa0;»&#xa0;: un autre programme utilise ce port.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: that address is not one of this machine&apos;s.</source>
        <translation>Impossible d’écouter sur «&#xa0;%1&#xa0;»&#xa0;: cette adresse n’est pas celle de cette machine.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écouter sur «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The worksheets could not be made whole. Please try again.</source>
        <translation>Les fiches n’ont pas pu être créées en entier. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Each section starts on a row of its own, with its own operations and numbers; the problem rules hold for every section.</source>
        <translation>Chaque section commence sur une ligne à elle, avec ses propres opérations et nombres&#xa0;; les règles des calculs valent pour toutes les sections.</translation>
    </message>
    <message>
        <source>Add a section</source>
        <translation>Ajouter une section</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>Remove section %1</source>
        <translation>Supprimer la section %1</translation>
    </message>
    <message>
        <source>Move section %1 up</source>
        <translation>Monter la section %1</translation>
    </message>
    <message>
        <source>Move section %1 down</source>
        <translation>Descendre la section %1</translation>
    </message>
    <message>
        <source>Kind of problems</source>
        <translation>Type de calculs</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Deuxième nombre</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Diviseur</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividende</translation>
    </message>
    <message>
        <source>Missing number</source>
        <translation>Nombre manquant</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>L’un ou l’autre</translation>
    </message>
    <message>
        <source>At least how many in 100 leave a remainder</source>
        <translation>Calculs avec reste&#xa0;: au moins combien sur 100</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>What to practise</source>
        <translation>Ce qu’on travaille</translation>
    </message>
    <message>
        <source>This sheet&apos;s code: %1</source>
        <translation>Code de cette fiche&#xa0;: %1</translation>
    </message>
    <message>
        <source>New problems</source>
        <translation>Nouveaux calculs</translation>
    </message>
    <message>
        <source>Making the worksheets…</source>
        <translation>Création des fiches…</translation>
    </message>
    <message>
        <source>Pages received: %1</source>
        <translation>Pages reçues&#xa0;: %1</translation>
    </message>
    <message>
        <source>The worksheets are made. Their code: %1</source>
        <translation>Les fiches sont créées. Leur code&#xa0;: %1</translation>
    </message>
    <message>
        <source>The worksheets as text</source>
        <translation>Les fiches en texte</translation>
    </message>
    <message>
        <source>Back to the worksheet&apos;s settings</source>
        <translation>Retour aux réglages de la fiche</translation>
    </message>
    <message>
        <source>page takes the number of a page of the set, not &quot;%1&quot;.</source>
        <translation>page prend le numéro d’une page du jeu, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The set has no page %1.</source>
        <translation>Le jeu n’a pas de page %1.</translation>
    </message>
    <message>
        <source>Open them to print</source>
        <translation>Les ouvrir pour imprimer</translation>
    </message>
    <message>
        <source>The set as it will print</source>
        <translation>Le jeu de fiches tel qu&apos;il sera imprimé</translation>
    </message>
    <message>
        <source>Page %1 of %2 of the set, code %3; the first sheet&apos;s problems follow as text.</source>
        <translation>Page %1 sur %2 du jeu de fiches, code %3 ; les calculs de la première fiche suivent sous forme de texte.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::SettingsValidation</name>
    <message>
        <source>Number of Problems must be between 1 and 100.</source>
        <translation>Le nombre de calculs doit être compris entre 1 et 100.</translation>
    </message>
    <message>
        <source>Lowest Number must be less than Highest Number!</source>
        <translation>Le plus petit nombre doit être inférieur au plus grand nombre&#xa0;!</translation>
    </message>
    <message>
        <source>Highest Number must be between 1 and 99.</source>
        <translation>Le plus grand nombre doit être compris entre 1 et 99.</translation>
    </message>
    <message>
        <source>Lowest Number must be between 1 and 99.</source>
        <translation>Le plus petit nombre doit être compris entre 1 et 99.</translation>
    </message>
    <message>
        <source>Lowest Number cannot equal Highest Number.</source>
        <translation>Le plus petit nombre ne peut pas être égal au plus grand nombre.</translation>
    </message>
    <message>
        <source>You can&apos;t divide by zero.</source>
        <translation>On ne peut pas diviser par zéro.</translation>
    </message>
    <message>
        <source>Please check your Highest Number.</source>
        <translation>Veuillez vérifier le plus grand nombre.</translation>
    </message>
    <message>
        <source>Please check your Lowest Number.</source>
        <translation>Veuillez vérifier le plus petit nombre.</translation>
    </message>
    <message>
        <source>Please check your Number of Problems.</source>
        <translation>Veuillez vérifier le nombre de calculs.</translation>
    </message>
    <message>
        <source>oops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Please check your input.</source>
        <translation>Veuillez vérifier votre saisie.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCode</name>
    <message>
        <source>The sheet code contains &quot;%1&quot;, which no sheet code uses: please check what you typed.</source>
        <translation>Le code de fiche contient «&#xa0;%1&#xa0;», qu’aucun code de fiche n’utilise&#xa0;: vérifiez ce que vous avez tapé.</translation>
    </message>
    <message>
        <source>A sheet code has %1 letters and digits, but this one has %2: please check what you typed.</source>
        <translation>Un code de fiche compte %1 lettres et chiffres, mais celui-ci en compte %2&#xa0;: vérifiez ce que vous avez tapé.</translation>
    </message>
    <message>
        <source>The sheet code&apos;s check character does not match: please check what you typed.</source>
        <translation>Le caractère de contrôle du code de fiche ne correspond pas&#xa0;: vérifiez ce que vous avez tapé.</translation>
    </message>
    <message>
        <source>The sheet code is of version %1, which this program does not know: it may come from a newer version of the program.</source>
        <translation>Le code de fiche est de la version %1, que ce programme ne connaît pas&#xa0;: il provient peut-être d’une version plus récente du programme.</translation>
    </message>
    <message>
        <source>The sheet code holds settings that cannot make a worksheet: %1</source>
        <translation>Le code de fiche contient des réglages qui ne permettent pas de créer une fiche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Operation must be one of +, -, *, %1 and Mix.</source>
        <translation>L’opération doit être +, -, *, %1 ou «&#xa0;Mélange&#xa0;».</translation>
    </message>
    <message>
        <source>The fixed number must be between 1 and 99.</source>
        <translation>Le nombre fixe doit être compris entre 1 et 99.</translation>
    </message>
    <message>
        <source>its sections cannot be read.</source>
        <translation>ses sections sont illisibles.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCodeDialog</name>
    <message>
        <source>Open Sheet Code</source>
        <translation>Ouvrir un code de fiche</translation>
    </message>
    <message>
        <source>Type the sheet code shown under a worksheet, or on a page of a class set: 14 letters and digits.</source>
        <translation>Tapez le code de fiche affiché sous une fiche ou sur une page d’un jeu de fiches&#xa0;: 14 lettres et chiffres.</translation>
    </message>
    <message>
        <source>&amp;Sheet code:</source>
        <translation>&amp;Code de fiche&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tallyworth::SpokenPage</name>
    <message>
        <source>%1 %2 %3 equals %4</source>
        <translation>%1 %2 %3 égale %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 equals</source>
        <translation>%1 %2 %3 égale</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
</context>
</TS>

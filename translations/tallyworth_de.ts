<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>tallyworth::AboutBox</name>
    <message>
        <source>Dedicated to the pupils and teachers of Hazelbrook Primary School in Millbridge.</source>
        <translation>Gewidmet den Schülerinnen, Schülern und Lehrkräften der Hazelbrook Primary School in Millbridge.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3 BETA</source>
        <translation>Version %1.%2.%3 BETA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>Logo von %1</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSet</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsblatt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>A class set has 1 to %1 sheets of settings that make a worksheet.</source>
        <translation>Ein Klassensatz hat 1 bis %1 Blätter mit Einstellungen, die ein Arbeitsblatt ergeben.</translation>
    </message>
    <message>
        <source>A class set of %1 worksheets; the first sheet&apos;s code is %2</source>
        <translation>Ein Klassensatz aus %1 Arbeitsblättern; der Code des ersten Blatts ist %2</translation>
    </message>
    <message>
        <source>Tallyworth class set</source>
        <translation>Tallyworth-Klassensatz</translation>
    </message>
    <message>
        <source>The paper is too small for a worksheet.</source>
        <translation>Das Papier ist zu klein für ein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Eine neue Seite konnte nicht begonnen werden.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>After each sheet</source>
        <translation>Nach jedem Blatt</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Alle am Ende</translation>
    </message>
    <message>
        <source>&amp;Header with Name and Date lines</source>
        <translation>&amp;Kopfzeile mit Name und Datum</translation>
    </message>
    <message>
        <source>Number of &amp;sheets:</source>
        <translation>Anzahl der &amp;Blätter:</translation>
    </message>
    <message>
        <source>&amp;Answer keys:</source>
        <translation>&amp;Lösungsblätter:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>PDF-&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>D&amp;rucker</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetProgressDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>Making the class set...</source>
        <translation>Klassensatz wird erstellt...</translation>
    </message>
    <message>
        <source>Making the class set: page %1 of %2</source>
        <translation>Klassensatz wird erstellt: Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::CommandLine</name>
    <message>
        <source>Print them as one job on the default printer.</source>
        <translation>Als einen Auftrag auf dem Standarddrucker drucken.</translation>
    </message>
    <message>
        <source>Print on the printer NAME instead.</source>
        <translation>Stattdessen auf dem Drucker NAME drucken.</translation>
    </message>
    <message>
        <source>The operation (default +); ÷ is read as /, x as *.</source>
        <translation>Die Rechenart (Vorgabe +); ÷ gilt als /, x als *.</translation>
    </message>
    <message>
        <source>Subtractions may have negative results.</source>
        <translation>Subtraktionen dürfen negative Ergebnisse haben.</translation>
    </message>
    <message>
        <source>Divisions with the division sign (default) or the long-division bracket.</source>
        <translation>Divisionen mit dem Geteiltzeichen (Vorgabe) oder als schriftliche Division.</translation>
    </message>
    <message>
        <source>Answer keys: none (default), each after its sheet, or all at the end.</source>
        <translation>Lösungsblätter: keine (Vorgabe), jedes nach seinem Blatt oder alle am Ende.</translation>
    </message>
    <message>
        <source>Leave out the band with the Name and Date lines, the sheet number and the code.</source>
        <translation>Den Kopf mit Namens- und Datumszeile, Blattnummer und Code weglassen.</translation>
    </message>
    <message>
        <source>The paper: by default the system&apos;s for a PDF, the printer&apos;s own for a print.</source>
        <translation>Das Papier: standardmäßig das des Systems für ein PDF, das des Druckers beim Drucken.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version zeigen.</translation>
    </message>
    <message>
        <source>--%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>--%1 nimmt einen der Werte %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>Give either --pdf or --print, not both.</source>
        <translation>Geben Sie entweder --pdf oder --print an, nicht beides.</translation>
    </message>
    <message>
        <source>Say where the worksheets go: --pdf FILE or --print.</source>
        <translation>Geben Sie an, wohin die Arbeitsblätter gehen: --pdf FILE oder --print.</translation>
    </message>
    <message>
        <source>--pdf needs a file name.</source>
        <translation>--pdf braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>--printer needs a printer name, and --print with it.</source>
        <translation>--printer braucht einen Druckernamen und dazu --print.</translation>
    </message>
    <message>
        <source>--sheets takes a number of sheets from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--sheets nimmt eine Anzahl Blätter von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--code holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--code enthält die Einstellungen des Arbeitsblatts: Lassen Sie --%1 weg.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Without arguments Tallyworth opens its windows. With them it makes worksheets without any window: one sheet, or a class set of different sheets, each with its own sheet code, written to a PDF or printed as one job. The first sheet&apos;s code is written to standard output; --code with it and --sheets makes the same sheets again.</source>
        <translation>Ohne Argumente öffnet Tallyworth seine Fenster. Mit Argumenten erstellt es Arbeitsblätter ohne jedes Fenster: ein Blatt oder einen Klassensatz verschiedener Blätter, jedes mit seinem eigenen Blattcode, als PDF geschrieben oder als ein Auftrag gedruckt. Der Code des ersten Blatts wird auf die Standardausgabe geschrieben; --code mit ihm und --sheets erstellen dieselben Blätter wieder.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the worksheets could not be written or printed, 2 for bad options or settings.</source>
        <translation>Rückgabewert: 0 wenn erledigt, 1 wenn die Arbeitsblätter nicht geschrieben oder gedruckt werden konnten, 2 bei falschen Optionen oder Einstellungen.</translation>
    </message>
    <message>
        <source>Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Aufgaben weglassen, die ihr Ergebnis verraten: mal 1, geteilt durch 1 oder durch sich selbst, minus sich selbst.</translation>
    </message>
    <message>
        <source>Carrying and borrowing in + and -: allowed (default), never, or in every problem.</source>
        <translation>Zehnerübergang bei + und -: erlaubt (Vorgabe), nie oder in jeder Aufgabe.</translation>
    </message>
    <message>
        <source>No problem comes twice on a sheet until every allowed problem has been used.</source>
        <translation>Keine Aufgabe kommt zweimal auf ein Blatt, bis jede erlaubte Aufgabe verwendet wurde.</translation>
    </message>
    <message>
        <source>Example: 30 different sheets of the 7 times table without trivial facts, each followed by its answer key:</source>
        <translation>Beispiel: 30 verschiedene Blätter zur Siebenerreihe ohne zu leichte Aufgaben, jedes gefolgt von seinem Lösungsblatt:</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>die Standardausgabe konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Try &apos;tallyworth --help&apos;.</source>
        <translation>Mehr dazu mit „tallyworth --help“.</translation>
    </message>
    <message>
        <source>the windows need a display; --pdf and --print make worksheets without one (see tallyworth --help).</source>
        <translation>die Fenster brauchen eine Anzeige; --pdf und --print machen Arbeitsblätter auch ohne (siehe tallyworth --help).</translation>
    </message>
    <message>
        <source>Write the worksheets to the PDF file FILE; - writes them to standard output.</source>
        <translation>Die Arbeitsblätter in die PDF-Datei FILE schreiben; - schreibt sie auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>--pdf needs a file name, not the option &quot;%1&quot;; write ./%1 for a file of that name.</source>
        <translation>--pdf braucht einen Dateinamen, nicht die Option „%1“; für eine Datei dieses Namens schreiben Sie ./%1.</translation>
    </message>
    <message>
        <source>A fixed divisor takes its dividends from the range, so the range must reach its multiples: sheets of 7 ÷ 7 to 84 ÷ 7:</source>
        <translation>Ein fester Teiler nimmt seine Dividenden aus dem Bereich, der Bereich muss also seine Vielfachen erreichen: Blätter von 7 ÷ 7 bis 84 ÷ 7:</translation>
    </message>
    <message>
        <source>The Lowest Number, %1 to %2 (default %3).</source>
        <translation>Die kleinste Zahl, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>The Highest Number, %1 to %2 (default %3).</source>
        <translation>Die größte Zahl, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>How many problems a sheet has, %1 to %2 (default %3).</source>
        <translation>Wie viele Aufgaben ein Blatt hat, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /.</source>
        <translation>Die Zahl F üben, %1 bis %2: die zweite Zahl bei + und *, die abgezogene Zahl bei -, der Teiler bei /.</translation>
    </message>
    <message>
        <source>How many different sheets, %1 to %2 (default %3).</source>
        <translation>Wie viele verschiedene Blätter, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>The multiplication sign: ×, ⋅ or *; by default the one taught in the user&apos;s language.</source>
        <translation>Das Malzeichen: ×, ⋅ oder *; als Vorgabe das, das in der Sprache des Benutzers gelehrt wird.</translation>
    </message>
    <message>
        <source>The division sign written on a line: obelus for the division sign ÷, colon for :; by default the one taught in the user&apos;s language.</source>
        <translation>Das Geteiltzeichen in einer Zeile: obelus für ÷, colon für den Doppelpunkt :; als Vorgabe das, das in der Sprache des Benutzers gelehrt wird.</translation>
    </message>
    <message>
        <source>Each problem&apos;s numbers stacked in a column (default) or on one line.</source>
        <translation>Die Zahlen jeder Aufgabe untereinander (Vorgabe) oder in einer Zeile.</translation>
    </message>
    <message>
        <source>How big the figures are printed: normal (default), large or extra large.</source>
        <translation>Wie groß die Ziffern gedruckt werden: normal (Vorgabe), groß oder sehr groß.</translation>
    </message>
    <message>
        <source>Print a sheet of few problems as large as fills its page.</source>
        <translation>Ein Blatt mit wenigen Aufgaben so groß drucken, dass es seine Seite füllt.</translation>
    </message>
    <message>
        <source>Serve the worksheets&apos; page to the browsers of the network, until stopped.</source>
        <translation>Die Seite der Arbeitsblätter den Browsern im Netzwerk anbieten, bis zum Beenden.</translation>
    </message>
    <message>
        <source>Where --serve listens (default 127.0.0.1:8470); 0.0.0.0:8470 opens it to the network, port 0 takes a free one.</source>
        <translation>Wo --serve lauscht (Vorgabe 127.0.0.1:8470); 0.0.0.0:8470 öffnet es für das Netzwerk, Port 0 nimmt einen freien.</translation>
    </message>
    <message>
        <source>Serve under PATH, such as /worksheets, behind a reverse proxy.</source>
        <translation>Unter PATH anbieten, etwa /worksheets, hinter einem Reverse Proxy.</translation>
    </message>
    <message>
        <source>How many class sets --serve draws at once (default: one a processor core).</source>
        <translation>Wie viele Klassensätze --serve gleichzeitig erstellt (Vorgabe: einer je Prozessorkern).</translation>
    </message>
    <message>
        <source>How many more class sets wait for their turn (default 64); the rest are asked to try again.</source>
        <translation>Wie viele weitere Klassensätze auf ihre Reihe warten (Vorgabe 64); die übrigen werden gebeten, es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &quot;%3&quot;.</source>
        <translation>--%1 nimmt eine ganze Zahl von 1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>How many connections --serve takes from one address at once (default 16); behind a reverse proxy, every client has the proxy&apos;s address.</source>
        <translation>Wie viele Verbindungen --serve von einer Adresse zugleich annimmt (Vorgabe 16); hinter einem Reverse-Proxy hat jeder Client die Adresse des Proxys.</translation>
    </message>
    <message>
        <source>The range of the first number (the dividend of a division), in place of --lowest and --highest.</source>
        <translation>Der Bereich der ersten Zahl (bei einer Division der geteilten Zahl), anstelle von --lowest und --highest.</translation>
    </message>
    <message>
        <source>The range of the second number (the divisor of a division); the first&apos;s unless given.</source>
        <translation>Der Bereich der zweiten Zahl (bei einer Division des Teilers); ohne Angabe der der ersten.</translation>
    </message>
    <message>
        <source>--%1 takes a range LOW-HIGH, not &quot;%2&quot;.</source>
        <translation>--%1 nimmt einen Bereich VON-BIS, nicht „%2“.</translation>
    </message>
    <message>
        <source>--section holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--section enthält die Einstellungen des Arbeitsblatts: Bitte --%1 weglassen.</translation>
    </message>
    <message>
        <source>Section %1 (%2): </source>
        <translation>Abschnitt %1 (%2): </translation>
    </message>
    <message>
        <source>Section %1: %2 takes %3, not &quot;%4&quot;.</source>
        <translation>Abschnitt %1: %2 nimmt %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>Section %1: &quot;%2&quot; is not a field. Write each field as name=value, a value with blanks in double quotes: title=&quot;Times tables&quot;.</source>
        <translation>Abschnitt %1: „%2“ ist kein Feld. Schreiben Sie jedes Feld als Name=Wert, einen Wert mit Leerzeichen in doppelten Anführungszeichen: title=&quot;Einmaleins&quot;.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>Print on each sheet, next to its code, a QR code of its practice page: URL followed by practice?code= and the code. With --serve, on the sheets it serves.</source>
        <translation>Auf jedes Blatt neben seinen Code einen QR-Code seiner Übungsseite drucken: URL, gefolgt von practice?code= und dem Code. Mit --serve auf die Blätter, die es ausliefert.</translation>
    </message>
    <message>
        <source>--public-url takes an http or https address such as https://school.example/worksheets/, not &quot;%1&quot;.</source>
        <translation>--public-url nimmt eine http- oder https-Adresse wie https://school.example/worksheets/, nicht „%1“.</translation>
    </message>
    <message>
        <source>--serve takes only --listen, --base-path, --sets, --queue, --per-client and --public-url, not --%1.</source>
        <translation>--serve nimmt nur --listen, --base-path, --sets, --queue, --per-client und --public-url, nicht --%1.</translation>
    </message>
    <message>
        <source>One section of a sheet of several, given once for each, such as &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Times tables&quot;&apos;. Kinds: facts, missing (missing=first|second|either), table-division, remainder (remainders=N for at least N %, or always), written (one operation; numbers of up to 6 digits; addends=2..4 for +, carrying=any|never|once for + and -, remainders=N or always for /). Other fields: operation (+, -, *, / or a list such as +,- or mix), first and second (LOW-HIGH), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In place of the options above.</source>
        <translation>Ein Abschnitt eines Blatts aus mehreren, für jeden einmal angegeben, etwa &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Einmaleins&quot;&apos;. Arten: facts (Grundaufgaben), missing (Ergänzungsaufgaben; missing=first|second|either), table-division (Division im Einmaleins), remainder (Division mit Rest; remainders=N für mindestens N %, oder always), written (schriftliche Rechenverfahren: eine Rechenart; Zahlen bis 6 Stellen; addends=2..4 für +, carrying=any|never|once für + und -, remainders=N oder always für /). Weitere Felder: operation (+, -, *, / oder eine Liste wie +,- oder mix), first und second (VON-BIS), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. Anstelle der Optionen oben.</translation>
    </message>
    <message>
        <source>How written methods are laid out, as the schools of a country write them; by default those of the user&apos;s language and country.</source>
        <translation>Wie die schriftlichen Rechenverfahren angeordnet werden, so wie die Schulen eines Landes sie schreiben; ohne Angabe die der Sprache und des Landes des Benutzers.</translation>
    </message>
    <message>
        <source>Squared paper behind written methods; by default as the method&apos;s country uses it.</source>
        <translation>Karopapier hinter den schriftlichen Rechenverfahren; ohne Angabe so, wie es das Land des Verfahrens hält.</translation>
    </message>
    <message>
        <source>Answer keys of written methods show the whole working, not the answers alone.</source>
        <translation>Lösungsblätter schriftlicher Rechenverfahren zeigen den ganzen Rechenweg, nicht nur die Ergebnisse.</translation>
    </message>
    <message>
        <source>Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size, fill-page, method, squares and key-working options, when given, override the code&apos;s.</source>
        <translation>Das Blatt dieses Codes mit seinen Einstellungen neu erstellen; mit --sheets N den Satz, der mit ihm beginnt. Angegebene Optionen für Zeichen, Anordnung, Größe, --fill-page, --method, --squares und --key-working gehen denen des Codes vor.</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogColorChooser</name>
    <message>
        <source>Color Picker</source>
        <translation>Farbauswahl</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogFileChooser</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>tallyworth::MainWindow</name>
    <message>
        <source>Lowest Number</source>
        <translation>Kleinste Zahl</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>How Many Problems</source>
        <translation>Anzahl der Aufgaben</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Allow Negative Results</source>
        <translation>Negative Ergebnisse erlauben</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Schreibweise</translation>
    </message>
    <message>
        <source>Long-division bracket</source>
        <translation>Schriftliche Division</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Open Sheet Code...</source>
        <translation>Blatt&amp;code öffnen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Problem &amp;Rules...</source>
        <translation>&amp;Aufgabenregeln...</translation>
    </message>
    <message>
        <source>Division sign</source>
        <translation>Geteiltzeichen</translation>
    </message>
    <message>
        <source>&amp;Page...</source>
        <translation>&amp;Seite...</translation>
    </message>
    <message>
        <source>Drawing the problems</source>
        <translation>Aufgaben werden erstellt</translation>
    </message>
    <message>
        <source>&amp;Sections...</source>
        <translation>A&amp;bschnitte...</translation>
    </message>
</context>
<context>
    <name>tallyworth::Operations</name>
    <message>
        <source>Mix</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageFill</name>
    <message>
        <source>ComposeProblems(): Subscript out of range</source>
        <translation>ComposeProblems(): Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>DisplayProblems(): Subscript out of range</source>
        <translation>DisplayProblems(): Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>An Error has been detected.</source>
        <translation>Es ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageOptionsDialog</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>As usually taught (%1)</source>
        <translation>Wie üblich (%1)</translation>
    </message>
    <message>
        <source>Cross %1</source>
        <translation>Kreuz %1</translation>
    </message>
    <message>
        <source>Dot %1</source>
        <translation>Punkt %1</translation>
    </message>
    <message>
        <source>Asterisk %1</source>
        <translation>Sternchen %1</translation>
    </message>
    <message>
        <source>Division sign %1</source>
        <translation>Geteiltzeichen %1</translation>
    </message>
    <message>
        <source>Colon %1</source>
        <translation>Doppelpunkt %1</translation>
    </message>
    <message>
        <source>Stacked in columns</source>
        <translation>Untereinander</translation>
    </message>
    <message>
        <source>On a line</source>
        <translation>In einer Zeile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large (18 pt)</source>
        <translation>Groß (18 pt)</translation>
    </message>
    <message>
        <source>Extra large (24 pt)</source>
        <translation>Sehr groß (24 pt)</translation>
    </message>
    <message>
        <source>&amp;Fill the page</source>
        <translation>Seite &amp;füllen</translation>
    </message>
    <message>
        <source>Prints a short worksheet as large as its page allows.</source>
        <translation>Druckt ein kurzes Arbeitsblatt so groß, wie die Seite es erlaubt.</translation>
    </message>
    <message>
        <source>&amp;Times sign:</source>
        <translation>&amp;Malzeichen:</translation>
    </message>
    <message>
        <source>&amp;Division sign:</source>
        <translation>&amp;Geteiltzeichen:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <source>Print &amp;size:</source>
        <translation>&amp;Schriftgröße:</translation>
    </message>
    <message>
        <source>&amp;Written methods:</source>
        <translation>Sch&amp;riftliche Rechenverfahren:</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>S&amp;quared paper:</source>
        <translation>&amp;Kariertes Papier:</translation>
    </message>
    <message>
        <source>As the method&apos;s country uses it</source>
        <translation>Wie im Land des Verfahrens üblich</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Answer &amp;keys show the whole working</source>
        <translation>&amp;Lösungsblätter zeigen den ganzen Rechenweg</translation>
    </message>
    <message>
        <source>An answer key of written methods shows every step, not the answers alone.</source>
        <translation>Ein Lösungsblatt schriftlicher Rechenverfahren zeigt jeden Schritt, nicht nur die Ergebnisse.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageStatusLine</name>
    <message>
        <source>Sheet c&amp;ode:</source>
        <translation>Blatt&amp;code:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Regeln:</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Solutions</source>
        <translation>&amp;Lösungen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Seiten</translation>
    </message>
    <message>
        <source>Page &amp;1</source>
        <translation>Seite &amp;1</translation>
    </message>
    <message>
        <source>Page &amp;2</source>
        <translation>Seite &amp;2</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>C&amp;olor Picker...</source>
        <translation>&amp;Farbauswahl...</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>A&amp;usblenden</translation>
    </message>
    <message>
        <source>Only the division test with more than 50 problems has two pages</source>
        <translation>Nur ein Arbeitsblatt mit mehr als 50 Geteiltaufgaben hat zwei Seiten</translation>
    </message>
    <message>
        <source>Class &amp;Set...</source>
        <translation>&amp;Klassensatz...</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions shown</source>
        <translation>Arbeitsblatt, Seite %1 von %2, Lösungen sichtbar</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions hidden</source>
        <translation>Arbeitsblatt, Seite %1 von %2, Lösungen verborgen</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>P&amp;revious Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message numerus="yes">
        <source>The worksheet has %n page(s).</source>
        <translation>
            <numerusform>Das Arbeitsblatt hat %n Seite.</numerusform>
            <numerusform>Das Arbeitsblatt hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
</context>
<context>
    <name>tallyworth::Practice</name>
    <message>
        <source>The minutes for the practice must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>Die Minuten für die Übung müssen eine ganze Zahl von %1 bis %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>A second go at wrong answers is retry=1, or retry=0 for none, not &quot;%1&quot;.</source>
        <translation>Einen zweiten Versuch bei falschen Antworten gibt retry=1, keinen retry=0, nicht „%1“.</translation>
    </message>
    <message>
        <source>This practice link has no sheet code. Ask your teacher for the whole link.</source>
        <translation>Diesem Übungslink fehlt der Blattcode. Frag deine Lehrkraft nach dem ganzen Link.</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Gebrauchte Zeit: %1 von %2</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Type each answer, then press Check.</source>
        <translation>Schreib jede Antwort in ihr Feld und drück dann auf Prüfen.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Wrong. Right: %1</source>
        <translation>Falsch. Richtig: %1</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Noch einmal prüfen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>tallyworth::Printing</name>
    <message>
        <source>Tallyworth worksheet</source>
        <translation>Tallyworth-Arbeitsblatt</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>Der Standarddrucker „%1“ ist nicht erreichbar. Prüfen Sie, ob er eingerichtet ist, und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>Der Standarddrucker „%1“ nimmt keine Druckaufträge an. Lassen Sie ihn in den Druckereinstellungen Aufträge annehmen und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>das PDF konnte nicht fertiggestellt werden</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the printer settings, then print again.</source>
        <translation>Es ist kein Standarddrucker eingerichtet. Wählen Sie in den Druckereinstellungen einen Standarddrucker und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The print job could not be started: %1.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job: %2</source>
        <translation>Der Drucker „%1“ hat den Druckauftrag nicht angenommen: %2</translation>
    </message>
    <message>
        <source>Could not save the PDF: no file name was given.</source>
        <translation>Das PDF konnte nicht gespeichert werden: Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>das Drucksystem hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>The print service cannot be reached. Please check that printing is set up and running, then try again.</source>
        <translation>Der Druckdienst ist nicht erreichbar. Bitte prüfen Sie, ob das Drucken eingerichtet ist und läuft, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The worksheet waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker „%1“ ist angehalten. Das Arbeitsblatt wartet in seiner Warteschlange, bis der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>Tallyworth worksheet %1</source>
        <translation>Tallyworth-Arbeitsblatt %1</translation>
    </message>
    <message>
        <source>Sheet code %1</source>
        <translation>Blattcode %1</translation>
    </message>
    <message>
        <source>The worksheet of the sheet code %1 could not be composed.</source>
        <translation>Das Arbeitsblatt zum Blattcode %1 konnte nicht zusammengestellt werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>Der Drucker „%1“ ist nicht erreichbar. Prüfen Sie, ob er eingerichtet ist, und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>Der Drucker „%1“ nimmt keine Druckaufträge an. Lassen Sie ihn in den Druckereinstellungen Aufträge annehmen und drucken Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRules</name>
    <message>
        <source>no problem fits these settings and rules</source>
        <translation>keine Aufgabe passt zu diesen Einstellungen und Regeln</translation>
    </message>
    <message>
        <source>No problem fits these settings and rules. Please widen the range or change the rules.</source>
        <translation>Keine Aufgabe passt zu diesen Einstellungen und Regeln. Bitte vergrößern Sie den Zahlenbereich oder ändern Sie die Regeln.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln different problems</source>
        <translation>
            <numerusform>%Ln mögliche Aufgabe</numerusform>
            <numerusform>%Ln verschiedene Aufgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %Ln different problems: some will repeat</source>
        <translation>
            <numerusform>nur %Ln mögliche Aufgabe: sie wird sich wiederholen</numerusform>
            <numerusform>nur %Ln verschiedene Aufgaben: manche werden sich wiederholen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</source>
        <translation>
            <numerusform>Nur %Ln Aufgabe passt zu diesen Einstellungen und Regeln, sie wird sich also wiederholen. Das Arbeitsblatt trotzdem erstellen?</numerusform>
            <numerusform>Nur %Ln verschiedene Aufgaben passen zu diesen Einstellungen und Regeln, manche werden sich also wiederholen. Das Arbeitsblatt trotzdem erstellen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</source>
        <translation>
            <numerusform>Nur %Ln Aufgabe passt zu diesen Einstellungen und Regeln, sie wird sich also wiederholen; die Arbeitsblätter werden trotzdem erstellt.</numerusform>
            <numerusform>Nur %Ln verschiedene Aufgaben passen zu diesen Einstellungen und Regeln, manche werden sich also wiederholen; die Arbeitsblätter werden trotzdem erstellt.</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion billion different problems</source>
        <translation>mehr als eine Trillion verschiedene Aufgaben</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRulesDialog</name>
    <message>
        <source>Problem Rules</source>
        <translation>Aufgabenregeln</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Keine zu &amp;leichten Aufgaben</translation>
    </message>
    <message>
        <source>Leaves out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Lässt Aufgaben weg, die ihr Ergebnis verraten: mal 1, geteilt durch 1 oder durch sich selbst, minus sich selbst.</translation>
    </message>
    <message>
        <source>&amp;Fixed number:</source>
        <translation>&amp;Feste Zahl:</translation>
    </message>
    <message>
        <source>The second number of + and *, the number taken away in -, the divisor in a division; the other number comes from the range.</source>
        <translation>Die zweite Zahl bei + und *, die abgezogene Zahl bei -, der Divisor beim Teilen; die andere Zahl kommt aus dem Zahlenbereich.</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Feste Zahl</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>&amp;Carrying and borrowing:</source>
        <translation>&amp;Zehnerübergang:</translation>
    </message>
    <message>
        <source>No &amp;repeats on a sheet</source>
        <translation>Keine &amp;Wiederholungen auf einem Blatt</translation>
    </message>
    <message>
        <source>With the main window&apos;s settings:</source>
        <translation>Mit den Einstellungen im Hauptfenster:</translation>
    </message>
    <message>
        <source>The numbers in the main window cannot make a worksheet, so there is nothing to count yet.</source>
        <translation>Mit den Zahlen im Hauptfenster lässt sich kein Arbeitsblatt erstellen, daher gibt es noch nichts zu zählen.</translation>
    </message>
    <message>
        <source>View shows the page of cell numbers for these numbers, and the rules do not apply to it.</source>
        <translation>„Zeigen“ zeigt für diese Zahlen die Seite der Zellennummern, und für sie gelten die Regeln nicht.</translation>
    </message>
</context>
<context>
    <name>tallyworth::RuleWords</name>
    <message>
        <source>no carrying or borrowing</source>
        <translation>ohne Zehnerübergang</translation>
    </message>
    <message>
        <source>carrying or borrowing in every problem</source>
        <translation>Zehnerübergang in jeder Aufgabe</translation>
    </message>
    <message>
        <source>no trivial facts</source>
        <translation>keine zu leichten Aufgaben</translation>
    </message>
    <message>
        <source>fixed number %1</source>
        <translation>feste Zahl %1</translation>
    </message>
    <message>
        <source>no repeats</source>
        <translation>keine Wiederholungen</translation>
    </message>
    <message>
        <source>--fixed takes a whole number from 1 to 99, not &quot;%1&quot;.</source>
        <translation>--fixed erwartet eine ganze Zahl von 1 bis 99, nicht „%1“.</translation>
    </message>
    <message>
        <source>--regrouping takes any, never or always, not &quot;%1&quot;.</source>
        <translation>--regrouping erwartet any, never oder always, nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Sections</name>
    <message>
        <source>operation: choose at least one of +, -, * and /.</source>
        <translation>Rechenart: Bitte mindestens eine von +, -, * und / wählen.</translation>
    </message>
    <message>
        <source>first: %1</source>
        <translation>erste Zahl: %1</translation>
    </message>
    <message>
        <source>second: %1</source>
        <translation>zweite Zahl: %1</translation>
    </message>
    <message>
        <source>problems: %1</source>
        <translation>Aufgabenzahl: %1</translation>
    </message>
    <message>
        <source>fixed: the fixed number must be between 1 and 99.</source>
        <translation>feste Zahl: Die feste Zahl muss zwischen 1 und 99 liegen.</translation>
    </message>
    <message>
        <source>remainders: the share must be between 0 and 100 %.</source>
        <translation>Rest: Der Anteil muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>title: at most %1 characters on one line, please.</source>
        <translation>Überschrift: Bitte höchstens %1 Zeichen in einer Zeile.</translation>
    </message>
    <message>
        <source>Section %1, %2</source>
        <translation>Abschnitt %1, %2</translation>
    </message>
    <message>
        <source>A sheet holds 1 to %1 sections.</source>
        <translation>Ein Blatt hat 1 bis %1 Abschnitte.</translation>
    </message>
    <message>
        <source>The sections hold %1 problems in all, but a sheet holds at most %2.</source>
        <translation>Die Abschnitte haben zusammen %1 Aufgaben, ein Blatt aber höchstens %2.</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Grundaufgaben</translation>
    </message>
    <message>
        <source>Missing numbers</source>
        <translation>Ergänzungsaufgaben</translation>
    </message>
    <message>
        <source>Division from the times tables</source>
        <translation>Division im Einmaleins</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>Division mit Rest</translation>
    </message>
    <message>
        <source>%1: give the lowest and highest number from 1 to %2, the lowest first.</source>
        <translation>%1: die kleinste und größte Zahl von 1 bis %2 angeben, die kleinste zuerst.</translation>
    </message>
    <message>
        <source>rules: a written section takes no-repeats and carrying, no other rule.</source>
        <translation>Regeln: Ein Abschnitt schriftlicher Rechenverfahren kennt nur no-repeats und carrying, keine andere Regel.</translation>
    </message>
    <message>
        <source>carrying: only written sums and differences carry.</source>
        <translation>Übertrag: Nur schriftliche Additionen und Subtraktionen haben Überträge.</translation>
    </message>
    <message>
        <source>remainders: only a written division leaves remainders.</source>
        <translation>Rest: Nur eine schriftliche Division lässt einen Rest.</translation>
    </message>
    <message>
        <source>operation: a written section takes one of +, -, * and /.</source>
        <translation>Rechenart: Ein Abschnitt schriftlicher Rechenverfahren nimmt eine von +, -, * und /.</translation>
    </message>
    <message>
        <source>addends: a written sum adds 2 to %1 numbers; the other operations take 2.</source>
        <translation>Summanden: Eine schriftliche Addition addiert 2 bis %1 Zahlen; die anderen Rechenarten nehmen 2.</translation>
    </message>
    <message>
        <source>Written methods</source>
        <translation>Schriftliche Rechenverfahren</translation>
    </message>
</context>
<context>
    <name>tallyworth::SectionsDialog</name>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>&amp;Sections:</source>
        <translation>A&amp;bschnitte:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Nach oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>A&amp;ddition</source>
        <translation>A&amp;ddition</translation>
    </message>
    <message>
        <source>Su&amp;btraction</source>
        <translation>Subtra&amp;ktion</translation>
    </message>
    <message>
        <source>Mu&amp;ltiplication</source>
        <translation>Mu&amp;ltiplikation</translation>
    </message>
    <message>
        <source>Di&amp;vision</source>
        <translation>D&amp;ivision</translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Rechenarten:</translation>
    </message>
    <message>
        <source>Printed above the section&apos;s problems; none when empty.</source>
        <translation>Steht über den Aufgaben des Abschnitts; keine, wenn leer.</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>Überschrif&amp;t:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;First number:</source>
        <translation>Erste &amp;Zahl:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the first number. Division from the tables: the quotient. Division with remainders: the number divided.</source>
        <translation>Grundaufgaben und Ergänzungsaufgaben: die erste Zahl. Division im Einmaleins: das Ergebnis. Division mit Rest: die geteilte Zahl.</translation>
    </message>
    <message>
        <source>Seco&amp;nd number:</source>
        <translation>Z&amp;weite Zahl:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the second number. Both kinds of division: the divisor.</source>
        <translation>Grundaufgaben und Ergänzungsaufgaben: die zweite Zahl. Beide Arten der Division: der Teiler.</translation>
    </message>
    <message>
        <source>&amp;Problems:</source>
        <translation>Auf&amp;gabenzahl:</translation>
    </message>
    <message>
        <source>Allow ne&amp;gative results</source>
        <translation>Negati&amp;ve Ergebnisse erlauben</translation>
    </message>
    <message>
        <source>The first number</source>
        <translation>Die erste Zahl</translation>
    </message>
    <message>
        <source>The second number</source>
        <translation>Die zweite Zahl</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Eine der beiden Zahlen</translation>
    </message>
    <message>
        <source>&amp;Missing number:</source>
        <translation>&amp;Fehlende Zahl:</translation>
    </message>
    <message>
        <source>At least this share of the section&apos;s problems leaves a remainder.</source>
        <translation>Mindestens dieser Anteil der Aufgaben des Abschnitts geht nicht auf.</translation>
    </message>
    <message>
        <source>Remainder s&amp;hare:</source>
        <translation>Anteil &amp;mit Rest:</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Keine zu lei&amp;chten Aufgaben</translation>
    </message>
    <message>
        <source>Fi&amp;xed number:</source>
        <translation>Fe&amp;ste Zahl:</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Feste Zahl</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Carr&amp;ying and borrowing:</source>
        <translation>Zehne&amp;rübergang:</translation>
    </message>
    <message>
        <source>No &amp;repeats</source>
        <translation>Keine Wiederh&amp;olungen</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>The dialog&apos;s list of sections: its number, kind or title, and what its count allows.</extracomment>
        <translation>%1. %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Sheet of %n section(s) (Options &gt; Sections)</source>
        <translation>
            <numerusform>Blatt aus %n Abschnitt (Optionen &gt; Abschnitte)</numerusform>
            <numerusform>Blatt aus %n Abschnitten (Optionen &gt; Abschnitte)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, lowest</source>
        <translation>%1, kleinste</translation>
    </message>
    <message>
        <source>%1, highest</source>
        <translation>%1, größte</translation>
    </message>
    <message>
        <source>Numbers t&amp;o add:</source>
        <translation>Zahlen &amp;pro Summe:</translation>
    </message>
    <message>
        <source>&amp;Carrying:</source>
        <translation>&amp;Übertrag:</translation>
    </message>
    <message>
        <source>In any column</source>
        <translation>In jeder Stelle</translation>
    </message>
    <message>
        <source>In no column</source>
        <translation>In keiner Stelle</translation>
    </message>
    <message>
        <source>In one column at most</source>
        <translation>In höchstens einer Stelle</translation>
    </message>
    <message>
        <source>How many numbers a written sum adds, one under the other.</source>
        <translation>Wie viele Zahlen eine schriftliche Addition untereinander addiert.</translation>
    </message>
    <message>
        <source>Where a written sum carries or a written difference borrows.</source>
        <translation>Wo eine schriftliche Addition einen Übertrag hat oder eine schriftliche Subtraktion entbündelt.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Serve</name>
    <message>
        <source>As usually taught</source>
        <translation>Wie üblich gelehrt</translation>
    </message>
    <message>
        <source>Different problems under these rules: %1</source>
        <translation>Verschiedene Aufgaben nach diesen Regeln: %1</translation>
    </message>
    <message>
        <source>Make the worksheets</source>
        <translation>Arbeitsblätter erstellen</translation>
    </message>
    <message>
        <source>Bring back a sheet</source>
        <translation>Ein Blatt wiederholen</translation>
    </message>
    <message>
        <source>Make its sheets again</source>
        <translation>Seine Blätter neu erstellen</translation>
    </message>
    <message>
        <source>There is no setting &quot;%1&quot;.</source>
        <translation>Es gibt keine Einstellung „%1“.</translation>
    </message>
    <message>
        <source>Many class sets are being made just now: try again in a moment.</source>
        <translation>Gerade werden viele Klassensätze erstellt: Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Show the sheets as text</source>
        <translation>Die Blätter als Text zeigen</translation>
    </message>
    <message>
        <source>--listen takes ADDRESS:PORT, such as 127.0.0.1:8470 or [::1]:8470, not &quot;%1&quot;.</source>
        <translation>--listen erwartet ADRESSE:PORT, etwa 127.0.0.1:8470 oder [::1]:8470, nicht „%1“.</translation>
    </message>
    <message>
        <source>--listen: the port of &quot;%1&quot; is not a number from 0 to 65535.</source>
        <translation>--listen: Der Port von „%1“ ist keine Zahl von 0 bis 65535.</translation>
    </message>
    <message>
        <source>--listen: the host of &quot;%1&quot; is not an IP address nor localhost.</source>
        <translation>--listen: Der Rechner von „%1“ ist weder eine IP-Adresse noch localhost.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: another program uses that port.</source>
        <translation>Konnte nicht auf „%1“ lauschen: Ein anderes Programm belegt diesen Port.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: that address is not one of this machine&apos;s.</source>
        <translation>Konnte nicht auf „%1“ lauschen: Diese Adresse gehört nicht zu diesem Rechner.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: %2.</source>
        <translation>Konnte nicht auf „%1“ lauschen: %2.</translation>
    </message>
    <message>
        <source>The worksheets could not be made whole. Please try again.</source>
        <translation>Die Arbeitsblätter konnten nicht vollständig erstellt werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Each section starts on a row of its own, with its own operations and numbers; the problem rules hold for every section.</source>
        <translation>Jeder Abschnitt beginnt in einer eigenen Zeile, mit eigenen Rechenarten und Zahlen; die Aufgabenregeln gelten für alle Abschnitte.</translation>
    </message>
    <message>
        <source>Add a section</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>Remove section %1</source>
        <translation>Abschnitt %1 entfernen</translation>
    </message>
    <message>
        <source>Move section %1 up</source>
        <translation>Abschnitt %1 nach oben</translation>
    </message>
    <message>
        <source>Move section %1 down</source>
        <translation>Abschnitt %1 nach unten</translation>
    </message>
    <message>
        <source>Kind of problems</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Missing number</source>
        <translation>Fehlende Zahl</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Eine der beiden</translation>
    </message>
    <message>
        <source>At least how many in 100 leave a remainder</source>
        <translation>Aufgaben mit Rest: mindestens wie viele von 100</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>What to practise</source>
        <translation>Was geübt wird</translation>
    </message>
    <message>
        <source>This sheet&apos;s code: %1</source>
        <translation>Code dieses Blatts: %1</translation>
    </message>
    <message>
        <source>New problems</source>
        <translation>Neue Aufgaben</translation>
    </message>
    <message>
        <source>Making the worksheets…</source>
        <translation>Die Arbeitsblätter werden erstellt …</translation>
    </message>
    <message>
        <source>Pages received: %1</source>
        <translation>Empfangene Seiten: %1</translation>
    </message>
    <message>
        <source>The worksheets are made. Their code: %1</source>
        <translation>Die Arbeitsblätter sind erstellt. Ihr Code: %1</translation>
    </message>
    <message>
        <source>The worksheets as text</source>
        <translation>Die Arbeitsblätter als Text</translation>
    </message>
    <message>
        <source>Back to the worksheet&apos;s settings</source>
        <translation>Zurück zu den Einstellungen des Arbeitsblatts</translation>
    </message>
    <message>
        <source>page takes the number of a page of the set, not &quot;%1&quot;.</source>
        <translation>page nimmt die Nummer einer Seite des Satzes, nicht „%1“.</translation>
    </message>
    <message>
        <source>The set has no page %1.</source>
        <translation>Der Satz hat keine Seite %1.</translation>
    </message>
    <message>
        <source>Open them to print</source>
        <translation>Zum Drucken öffnen</translation>
    </message>
    <message>
        <source>The set as it will print</source>
        <translation>Der Klassensatz, wie er gedruckt wird</translation>
    </message>
    <message>
        <source>Page %1 of %2 of the set, code %3; the first sheet&apos;s problems follow as text.</source>
        <translation>Seite %1 von %2 des Klassensatzes, Code %3; die Aufgaben des ersten Blatts folgen als Text.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::SettingsValidation</name>
    <message>
        <source>Number of Problems must be between 1 and 100.</source>
        <translation>Die Anzahl der Aufgaben muss zwischen 1 und 100 liegen.</translation>
    </message>
    <message>
        <source>Lowest Number must be less than Highest Number!</source>
        <translation>Die kleinste Zahl muss kleiner als die größte Zahl sein!</translation>
    </message>
    <message>
        <source>Highest Number must be between 1 and 99.</source>
        <translation>Die größte Zahl muss zwischen 1 und 99 liegen.</translation>
    </message>
    <message>
        <source>Lowest Number must be between 1 and 99.</source>
        <translation>Die kleinste Zahl muss zwischen 1 und 99 liegen.</translation>
    </message>
    <message>
        <source>Lowest Number cannot equal Highest Number.</source>
        <translation>Die kleinste Zahl darf nicht gleich der größten Zahl sein.</translation>
    </message>
    <message>
        <source>You can&apos;t divide by zero.</source>
        <translation>Durch null kann man nicht teilen.</translation>
    </message>
    <message>
        <source>Please check your Highest Number.</source>
        <translation>Bitte prüfen Sie die größte Zahl.</translation>
    </message>
    <message>
        <source>Please check your Lowest Number.</source>
        <translation>Bitte prüfen Sie die kleinste Zahl.</translation>
    </message>
    <message>
        <source>Please check your Number of Problems.</source>
        <translation>Bitte prüfen Sie die Anzahl der Aufgaben.</translation>
    </message>
    <message>
        <source>oops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Please check your input.</source>
        <translation>Bitte prüfen Sie Ihre Eingabe.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCode</name>
    <message>
        <source>The sheet code contains &quot;%1&quot;, which no sheet code uses: please check what you typed.</source>
        <translation>Der Blattcode enthält „%1“, das in keinem Blattcode vorkommt: Bitte prüfen Sie Ihre Eingabe.</translation>
    </message>
    <message>
        <source>A sheet code has %1 letters and digits, but this one has %2: please check what you typed.</source>
        <translation>Ein Blattcode hat %1 Buchstaben und Ziffern, dieser hat aber %2: Bitte prüfen Sie Ihre Eingabe.</translation>
    </message>
    <message>
        <source>The sheet code&apos;s check character does not match: please check what you typed.</source>
        <translation>Das Prüfzeichen des Blattcodes stimmt nicht: Bitte prüfen Sie Ihre Eingabe.</translation>
    </message>
    <message>
        <source>The sheet code is of version %1, which this program does not know: it may come from a newer version of the program.</source>
        <translation>Der Blattcode hat die Version %1, die dieses Programm nicht kennt: Er stammt vielleicht aus einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>The sheet code holds settings that cannot make a worksheet: %1</source>
        <translation>Der Blattcode enthält Einstellungen, mit denen sich kein Arbeitsblatt erstellen lässt: %1</translation>
    </message>
    <message>
        <source>Operation must be one of +, -, *, %1 and Mix.</source>
        <translation>Die Rechenart muss +, -, *, %1 oder „Gemischt“ sein.</translation>
    </message>
    <message>
        <source>The fixed number must be between 1 and 99.</source>
        <translation>Die feste Zahl muss zwischen 1 und 99 liegen.</translation>
    </message>
    <message>
        <source>its sections cannot be read.</source>
        <translation>seine Abschnitte lassen sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCodeDialog</name>
    <message>
        <source>Open Sheet Code</source>
        <translation>Blattcode öffnen</translation>
    </message>
    <message>
        <source>Type the sheet code shown under a worksheet, or on a page of a class set: 14 letters and digits.</source>
        <translation>Geben Sie den Blattcode ein, der unter einem Arbeitsblatt oder auf einer Seite eines Klassensatzes steht: 14 Buchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>&amp;Sheet code:</source>
        <translation>&amp;Blattcode:</translation>
    </message>
</context>
<context>
    <name>tallyworth::SpokenPage</name>
    <message>
        <source>%1 %2 %3 equals %4</source>
        <translation>%1 %2 %3 gleich %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 equals</source>
        <translation>%1 %2 %3 gleich</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
</context>
</TS>

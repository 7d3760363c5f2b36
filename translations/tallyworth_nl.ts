<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>tallyworth::AboutBox</name>
    <message>
        <source>Dedicated to the pupils and teachers of Hazelbrook Primary School in Millbridge.</source>
        <translation>Opgedragen aan de leerlingen en leerkrachten van de Hazelbrook Primary School in Millbridge.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3 BETA</source>
        <translation>Versie %1.%2.%3 BÈTA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>Logo van %1</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-mailadres</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSet</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blad %1 van %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Nakijkblad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>A class set has 1 to %1 sheets of settings that make a worksheet.</source>
        <translation>Een klassenset heeft 1 tot %1 bladen met instellingen waarmee een werkblad te maken is.</translation>
    </message>
    <message>
        <source>A class set of %1 worksheets; the first sheet&apos;s code is %2</source>
        <translation>Een klassenset van %1 werkbladen; de code van het eerste blad is %2</translation>
    </message>
    <message>
        <source>Tallyworth class set</source>
        <translation>Tallyworth-klassenset</translation>
    </message>
    <message>
        <source>The paper is too small for a worksheet.</source>
        <translation>Het papier is te klein voor een werkblad.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Er kon geen nieuwe pagina worden begonnen.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Klassenset</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>After each sheet</source>
        <translation>Na elk werkblad</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Allemaal aan het eind</translation>
    </message>
    <message>
        <source>&amp;Header with Name and Date lines</source>
        <translation>&amp;Kop met regels voor naam en datum</translation>
    </message>
    <message>
        <source>Number of &amp;sheets:</source>
        <translation>Aantal &amp;werkbladen:</translation>
    </message>
    <message>
        <source>&amp;Answer keys:</source>
        <translation>Nakijk&amp;bladen:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>&amp;PDF-bestand</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>Papier&amp;formaat:</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>P&amp;rinter</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetProgressDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Klassenset</translation>
    </message>
    <message>
        <source>Making the class set...</source>
        <translation>Klassenset wordt gemaakt...</translation>
    </message>
    <message>
        <source>Making the class set: page %1 of %2</source>
        <translation>Klassenset wordt gemaakt: pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::CommandLine</name>
    <message>
        <source>Print them as one job on the default printer.</source>
        <translation>Ze als één opdracht op de standaardprinter afdrukken.</translation>
    </message>
    <message>
        <source>Print on the printer NAME instead.</source>
        <translation>In plaats daarvan op printer NAME afdrukken.</translation>
    </message>
    <message>
        <source>The operation (default +); ÷ is read as /, x as *.</source>
        <translation>De bewerking (standaard +); ÷ telt als /, x als *.</translation>
    </message>
    <message>
        <source>Subtractions may have negative results.</source>
        <translation>Aftreksommen mogen een negatieve uitkomst hebben.</translation>
    </message>
    <message>
        <source>Divisions with the division sign (default) or the long-division bracket.</source>
        <translation>Deelsommen met het deelteken (standaard) of als staartdeling.</translation>
    </message>
    <message>
        <source>Answer keys: none (default), each after its sheet, or all at the end.</source>
        <translation>Nakijkbladen: geen (standaard), elk na zijn blad of alle aan het eind.</translation>
    </message>
    <message>
        <source>Leave out the band with the Name and Date lines, the sheet number and the code.</source>
        <translation>De kopregel met naam- en datumlijn, bladnummer en code weglaten.</translation>
    </message>
    <message>
        <source>The paper: by default the system&apos;s for a PDF, the printer&apos;s own for a print.</source>
        <translation>Het papier: standaard dat van het systeem voor een PDF, dat van de printer bij afdrukken.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Deze hulp tonen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>De versie tonen.</translation>
    </message>
    <message>
        <source>--%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>--%1 neemt een van %2, niet &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Give either --pdf or --print, not both.</source>
        <translation>Geef --pdf of --print, niet allebei.</translation>
    </message>
    <message>
        <source>Say where the worksheets go: --pdf FILE or --print.</source>
        <translation>Geef aan waar de werkbladen heen gaan: --pdf FILE of --print.</translation>
    </message>
    <message>
        <source>--pdf needs a file name.</source>
        <translation>--pdf heeft een bestandsnaam nodig.</translation>
    </message>
    <message>
        <source>--printer needs a printer name, and --print with it.</source>
        <translation>--printer heeft een printernaam nodig, en --print erbij.</translation>
    </message>
    <message>
        <source>--sheets takes a number of sheets from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--sheets neemt een aantal bladen van 1 tot en met %1, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--code holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--code bevat de instellingen van het werkblad: laat --%1 weg.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 is meer dan eens opgegeven.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Onverwacht argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>Without arguments Tallyworth opens its windows. With them it makes worksheets without any window: one sheet, or a class set of different sheets, each with its own sheet code, written to a PDF or printed as one job. The first sheet&apos;s code is written to standard output; --code with it and --sheets makes the same sheets again.</source>
        <translation>Zonder argumenten opent Tallyworth zijn vensters. Met argumenten maakt het werkbladen zonder enig venster: één blad, of een klassenset van verschillende bladen, elk met een eigen werkbladcode, naar een PDF geschreven of als één opdracht afgedrukt. De code van het eerste blad komt op de standaarduitvoer; --code met die code en --sheets maken dezelfde bladen opnieuw.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the worksheets could not be written or printed, 2 for bad options or settings.</source>
        <translation>Afsluitstatus: 0 als het gelukt is, 1 als de werkbladen niet geschreven of afgedrukt konden worden, 2 bij onjuiste opties of instellingen.</translation>
    </message>
    <message>
        <source>Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Laat sommen weg die hun antwoord weggeven: keer 1, gedeeld door 1 of door zichzelf, min zichzelf.</translation>
    </message>
    <message>
        <source>Carrying and borrowing in + and -: allowed (default), never, or in every problem.</source>
        <translation>Tiendoorgang bij + en -: toegestaan (standaard), nooit of in elke som.</translation>
    </message>
    <message>
        <source>No problem comes twice on a sheet until every allowed problem has been used.</source>
        <translation>Geen som komt twee keer op een blad voordat elke toegestane som gebruikt is.</translation>
    </message>
    <message>
        <source>Example: 30 different sheets of the 7 times table without trivial facts, each followed by its answer key:</source>
        <translation>Voorbeeld: 30 verschillende bladen van de tafel van 7 zonder triviale sommen, elk gevolgd door zijn nakijkblad:</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>de standaarduitvoer kon niet worden geschreven: %1.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standaarduitvoer</translation>
    </message>
    <message>
        <source>Try &apos;tallyworth --help&apos;.</source>
        <translation>Probeer &apos;tallyworth --help&apos;.</translation>
    </message>
    <message>
        <source>the windows need a display; --pdf and --print make worksheets without one (see tallyworth --help).</source>
        <translation>de vensters hebben een beeldscherm nodig; --pdf en --print maken werkbladen zonder (zie tallyworth --help).</translation>
    </message>
    <message>
        <source>Write the worksheets to the PDF file FILE; - writes them to standard output.</source>
        <translation>De werkbladen naar het PDF-bestand FILE schrijven; - schrijft ze naar de standaarduitvoer.</translation>
    </message>
    <message>
        <source>--pdf needs a file name, not the option &quot;%1&quot;; write ./%1 for a file of that name.</source>
        <translation>--pdf heeft een bestandsnaam nodig, niet de optie &quot;%1&quot;; schrijf ./%1 voor een bestand met die naam.</translation>
    </message>
    <message>
        <source>A fixed divisor takes its dividends from the range, so the range must reach its multiples: sheets of 7 ÷ 7 to 84 ÷ 7:</source>
        <translation>Een vaste deler neemt zijn deeltallen uit het bereik, dus het bereik moet zijn veelvouden bereiken: bladen van 7 ÷ 7 tot 84 ÷ 7:</translation>
    </message>
    <message>
        <source>The Lowest Number, %1 to %2 (default %3).</source>
        <translation>Het kleinste getal, %1 tot en met %2 (standaard %3).</translation>
    </message>
    <message>
        <source>The Highest Number, %1 to %2 (default %3).</source>
        <translation>Het grootste getal, %1 tot en met %2 (standaard %3).</translation>
    </message>
    <message>
        <source>How many problems a sheet has, %1 to %2 (default %3).</source>
        <translation>Hoeveel sommen een blad heeft, %1 tot en met %2 (standaard %3).</translation>
    </message>
    <message>
        <source>Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /.</source>
        <translation>Oefen het getal F, %1 tot en met %2: het tweede getal bij + en *, het getal dat eraf gaat bij -, de deler bij /.</translation>
    </message>
    <message>
        <source>How many different sheets, %1 to %2 (default %3).</source>
        <translation>Hoeveel verschillende bladen, %1 tot en met %2 (standaard %3).</translation>
    </message>
    <message>
        <source>The multiplication sign: ×, ⋅ or *; by default the one taught in the user&apos;s language.</source>
        <translation>Het maalteken: ×, ⋅ of *; standaard het teken dat in de taal van de gebruiker wordt onderwezen.</translation>
    </message>
    <message>
        <source>The division sign written on a line: obelus for the division sign ÷, colon for :; by default the one taught in the user&apos;s language.</source>
        <translation>Het deelteken op een regel: obelus voor het teken ÷, colon voor de dubbele punt :; standaard het teken dat in de taal van de gebruiker wordt onderwezen.</translation>
    </message>
    <message>
        <source>Each problem&apos;s numbers stacked in a column (default) or on one line.</source>
        <translation>De getallen van elke som onder elkaar (standaard) of op één regel.</translation>
    </message>
    <message>
        <source>How big the figures are printed: normal (default), large or extra large.</source>
        <translation>Hoe groot de cijfers worden afgedrukt: normaal (standaard), groot of extra groot.</translation>
    </message>
    <message>
        <source>Print a sheet of few problems as large as fills its page.</source>
        <translation>Een blad met weinig sommen zo groot afdrukken dat het zijn pagina vult.</translation>
    </message>
    <message>
        <source>Serve the worksheets&apos; page to the browsers of the network, until stopped.</source>
        <translation>De pagina van de werkbladen aan de browsers in het netwerk aanbieden, tot hij wordt gestopt.</translation>
    </message>
    <message>
        <source>Where --serve listens (default 127.0.0.1:8470); 0.0.0.0:8470 opens it to the network, port 0 takes a free one.</source>
        <translation>Waar --serve luistert (standaard 127.0.0.1:8470); 0.0.0.0:8470 opent het voor het netwerk, poort 0 neemt een vrije.</translation>
    </message>
    <message>
        <source>Serve under PATH, such as /worksheets, behind a reverse proxy.</source>
        <translation>Aanbieden onder PATH, zoals /worksheets, achter een reverse proxy.</translation>
    </message>
    <message>
        <source>How many class sets --serve draws at once (default: one a processor core).</source>
        <translation>Hoeveel klassensets --serve tegelijk maakt (standaard: één per processorkern).</translation>
    </message>
    <message>
        <source>How many more class sets wait for their turn (default 64); the rest are asked to try again.</source>
        <translation>Hoeveel klassensets nog op hun beurt wachten (standaard 64); de rest wordt gevraagd het opnieuw te proberen.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &quot;%3&quot;.</source>
        <translation>--%1 neemt een geheel getal van 1 tot %2, niet ‘%3’.</translation>
    </message>
    <message>
        <source>How many connections --serve takes from one address at once (default 16); behind a reverse proxy, every client has the proxy&apos;s address.</source>
        <translation>Hoeveel verbindingen --serve tegelijk van één adres aanneemt (standaard 16); achter een reverse proxy heeft elke client het adres van de proxy.</translation>
    </message>
    <message>
        <source>The range of the first number (the dividend of a division), in place of --lowest and --highest.</source>
        <translation>Het bereik van het eerste getal (het deeltal bij delen), in plaats van --lowest en --highest.</translation>
    </message>
    <message>
        <source>The range of the second number (the divisor of a division); the first&apos;s unless given.</source>
        <translation>Het bereik van het tweede getal (de deler bij delen); zonder opgave dat van het eerste.</translation>
    </message>
    <message>
        <source>--%1 takes a range LOW-HIGH, not &quot;%2&quot;.</source>
        <translation>--%1 neemt een bereik VAN-TOT, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--section holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--section bevat de instellingen van het werkblad: laat --%1 weg.</translation>
    </message>
    <message>
        <source>Section %1 (%2): </source>
        <translation>Onderdeel %1 (%2): </translation>
    </message>
    <message>
        <source>Section %1: %2 takes %3, not &quot;%4&quot;.</source>
        <translation>Onderdeel %1: %2 neemt %3, niet &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Section %1: &quot;%2&quot; is not a field. Write each field as name=value, a value with blanks in double quotes: title=&quot;Times tables&quot;.</source>
        <translation>Onderdeel %1: &quot;%2&quot; is geen veld. Schrijf elk veld als naam=waarde, een waarde met spaties tussen dubbele aanhalingstekens: title=&quot;Tafels&quot;.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>een geheel getal</translation>
    </message>
    <message>
        <source>Print on each sheet, next to its code, a QR code of its practice page: URL followed by practice?code= and the code. With --serve, on the sheets it serves.</source>
        <translation>Op elk blad naast zijn code een QR-code van zijn oefenpagina afdrukken: URL gevolgd door practice?code= en de code. Met --serve op de bladen die het aanbiedt.</translation>
    </message>
    <message>
        <source>--public-url takes an http or https address such as https://school.example/worksheets/, not &quot;%1&quot;.</source>
        <translation>--public-url neemt een http- of https-adres zoals https://school.example/worksheets/, niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--serve takes only --listen, --base-path, --sets, --queue, --per-client and --public-url, not --%1.</source>
        <translation>--serve neemt alleen --listen, --base-path, --sets, --queue, --per-client en --public-url, niet --%1.</translation>
    </message>
    <message>
        <source>One section of a sheet of several, given once for each, such as &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Times tables&quot;&apos;. Kinds: facts, missing (missing=first|second|either), table-division, remainder (remainders=N for at least N %, or always), written (one operation; numbers of up to 6 digits; addends=2..4 for +, carrying=any|never|once for + and -, remainders=N or always for /). Other fields: operation (+, -, *, / or a list such as +,- or mix), first and second (LOW-HIGH), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In place of the options above.</source>
        <translation>Eén onderdeel van een blad met meerdere, voor elk één keer opgegeven, zoals &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Tafels&quot;&apos;. Soorten: facts (sommen), missing (ontbrekend getal; missing=first|second|either), table-division (delen uit de tafels), remainder (delen met rest; remainders=N voor minstens N %, of always), written (cijferen: één bewerking; getallen tot 6 cijfers; addends=2..4 voor +, carrying=any|never|once voor + en -, remainders=N of always voor /). Andere velden: operation (+, -, *, / of een lijst zoals +,- of mix), first en second (VAN-TOT), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In plaats van de opties hierboven.</translation>
    </message>
    <message>
        <source>How written methods are laid out, as the schools of a country write them; by default those of the user&apos;s language and country.</source>
        <translation>Hoe het cijferen wordt opgeschreven, zoals de scholen van een land het doen; standaard die van de taal en het land van de gebruiker.</translation>
    </message>
    <message>
        <source>Squared paper behind written methods; by default as the method&apos;s country uses it.</source>
        <translation>Ruitjespapier achter het cijferen; standaard zoals het land van de methode het gebruikt.</translation>
    </message>
    <message>
        <source>Answer keys of written methods show the whole working, not the answers alone.</source>
        <translation>Antwoordbladen van het cijferen tonen de hele uitwerking, niet alleen de antwoorden.</translation>
    </message>
    <message>
        <source>Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size, fill-page, method, squares and key-working options, when given, override the code&apos;s.</source>
        <translation>Het blad van deze code opnieuw maken, met zijn instellingen; met --sheets N de set die ermee begint. Opgegeven opties voor teken, opmaak, grootte, --fill-page, --method, --squares en --key-working gaan voor die van de code.</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogColorChooser</name>
    <message>
        <source>Color Picker</source>
        <translation>Kleurkiezer</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogFileChooser</name>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
</context>
<context>
    <name>tallyworth::MainWindow</name>
    <message>
        <source>Lowest Number</source>
        <translation>Kleinste getal</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Grootste getal</translation>
    </message>
    <message>
        <source>How Many Problems</source>
        <translation>Aantal sommen</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Bewerking</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Allow Negative Results</source>
        <translation>Negatieve uitkomsten toestaan</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Breuken</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Notatie</translation>
    </message>
    <message>
        <source>Long-division bracket</source>
        <translation>Staartdeling</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Open Sheet Code...</source>
        <translation>Werkbladcode &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Problem &amp;Rules...</source>
        <translation>&amp;Regels voor de sommen...</translation>
    </message>
    <message>
        <source>Division sign</source>
        <translation>Deelteken</translation>
    </message>
    <message>
        <source>&amp;Page...</source>
        <translation>&amp;Pagina...</translation>
    </message>
    <message>
        <source>Drawing the problems</source>
        <translation>Sommen worden gemaakt</translation>
    </message>
    <message>
        <source>&amp;Sections...</source>
        <translation>&amp;Onderdelen...</translation>
    </message>
</context>
<context>
    <name>tallyworth::Operations</name>
    <message>
        <source>Mix</source>
        <translation>Door elkaar</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageFill</name>
    <message>
        <source>ComposeProblems(): Subscript out of range</source>
        <translation>ComposeProblems(): index buiten bereik</translation>
    </message>
    <message>
        <source>DisplayProblems(): Subscript out of range</source>
        <translation>DisplayProblems(): index buiten bereik</translation>
    </message>
    <message>
        <source>An Error has been detected.</source>
        <translation>Er is een fout opgetreden.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageOptionsDialog</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>As usually taught (%1)</source>
        <translation>Zoals gewoonlijk (%1)</translation>
    </message>
    <message>
        <source>Cross %1</source>
        <translation>Kruis %1</translation>
    </message>
    <message>
        <source>Dot %1</source>
        <translation>Punt %1</translation>
    </message>
    <message>
        <source>Asterisk %1</source>
        <translation>Sterretje %1</translation>
    </message>
    <message>
        <source>Division sign %1</source>
        <translation>Deelteken %1</translation>
    </message>
    <message>
        <source>Colon %1</source>
        <translation>Dubbele punt %1</translation>
    </message>
    <message>
        <source>Stacked in columns</source>
        <translation>Onder elkaar</translation>
    </message>
    <message>
        <source>On a line</source>
        <translation>Op één regel</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Large (18 pt)</source>
        <translation>Groot (18 pt)</translation>
    </message>
    <message>
        <source>Extra large (24 pt)</source>
        <translation>Extra groot (24 pt)</translation>
    </message>
    <message>
        <source>&amp;Fill the page</source>
        <translation>&amp;Vul de pagina</translation>
    </message>
    <message>
        <source>Prints a short worksheet as large as its page allows.</source>
        <translation>Drukt een kort werkblad zo groot af als de pagina toelaat.</translation>
    </message>
    <message>
        <source>&amp;Times sign:</source>
        <translation>&amp;Maalteken:</translation>
    </message>
    <message>
        <source>&amp;Division sign:</source>
        <translation>&amp;Deelteken:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Opmaak:</translation>
    </message>
    <message>
        <source>Print &amp;size:</source>
        <translation>&amp;Lettergrootte:</translation>
    </message>
    <message>
        <source>&amp;Written methods:</source>
        <translation>&amp;Cijferen:</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Verenigde Staten</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Verenigd Koninkrijk</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>S&amp;quared paper:</source>
        <translation>&amp;Ruitjespapier:</translation>
    </message>
    <message>
        <source>As the method&apos;s country uses it</source>
        <translation>Zoals het land van de methode het gebruikt</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Altijd</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Answer &amp;keys show the whole working</source>
        <translation>Antwoordbladen tonen de hele &amp;uitwerking</translation>
    </message>
    <message>
        <source>An answer key of written methods shows every step, not the answers alone.</source>
        <translation>Een antwoordblad van het cijferen toont elke stap, niet alleen de antwoorden.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageStatusLine</name>
    <message>
        <source>Sheet c&amp;ode:</source>
        <translation>Werkblad&amp;code:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Regels:</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Solutions</source>
        <translation>&amp;Oplossingen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Pagina&apos;s</translation>
    </message>
    <message>
        <source>Page &amp;1</source>
        <translation>Pagina &amp;1</translation>
    </message>
    <message>
        <source>Page &amp;2</source>
        <translation>Pagina &amp;2</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>C&amp;olor Picker...</source>
        <translation>&amp;Kleurkiezer...</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>Only the division test with more than 50 problems has two pages</source>
        <translation>Alleen een werkblad met meer dan 50 deelsommen heeft twee pagina&apos;s</translation>
    </message>
    <message>
        <source>Class &amp;Set...</source>
        <translation>&amp;Klassenset...</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions shown</source>
        <translation>Werkblad, pagina %1 van %2, oplossingen zichtbaar</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions hidden</source>
        <translation>Werkblad, pagina %1 van %2, oplossingen verborgen</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Volgende pagina</translation>
    </message>
    <message>
        <source>P&amp;revious Page</source>
        <translation>V&amp;orige pagina</translation>
    </message>
    <message numerus="yes">
        <source>The worksheet has %n page(s).</source>
        <translation>
            <numerusform>Het werkblad heeft %n pagina.</numerusform>
            <numerusform>Het werkblad heeft %n pagina&apos;s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Werkblad</translation>
    </message>
</context>
<context>
    <name>tallyworth::Practice</name>
    <message>
        <source>The minutes for the practice must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>De minuten voor de oefening moeten een heel getal van %1 tot %2 zijn, niet ‘%3’.</translation>
    </message>
    <message>
        <source>A second go at wrong answers is retry=1, or retry=0 for none, not &quot;%1&quot;.</source>
        <translation>Een tweede kans bij foute antwoorden is retry=1, of retry=0 voor geen, niet ‘%1’.</translation>
    </message>
    <message>
        <source>This practice link has no sheet code. Ask your teacher for the whole link.</source>
        <translation>Deze oefenlink heeft geen werkbladcode. Vraag je leerkracht om de hele link.</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <translation>Som %1: %2</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Gebruikte tijd: %1 van %2</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Type each answer, then press Check.</source>
        <translation>Typ elk antwoord en druk dan op Nakijken.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Wrong. Right: %1</source>
        <translation>Fout. Goed is: %1</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 van %2 goed</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Opnieuw nakijken</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Nakijken</translation>
    </message>
</context>
<context>
    <name>tallyworth::Printing</name>
    <message>
        <source>Tallyworth worksheet</source>
        <translation>Tallyworth-werkblad</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>De standaardprinter &quot;%1&quot; is niet bereikbaar. Controleer of hij is ingesteld en druk dan opnieuw af.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>De standaardprinter &quot;%1&quot; accepteert geen afdruktaken. Laat hem in de printerinstellingen taken accepteren en druk dan opnieuw af.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>De afdruktaak kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>De afdruktaak kon niet worden voltooid.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet opslaan: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>de PDF kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>de PDF kon niet worden voltooid</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the printer settings, then print again.</source>
        <translation>Er is geen standaardprinter ingesteld. Kies een standaardprinter in de printerinstellingen en druk dan opnieuw af.</translation>
    </message>
    <message>
        <source>The print job could not be started: %1.</source>
        <translation>De afdruktaak kon niet worden gestart: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job: %2</source>
        <translation>De printer &quot;%1&quot; heeft de afdruktaak niet aangenomen: %2</translation>
    </message>
    <message>
        <source>Could not save the PDF: no file name was given.</source>
        <translation>Kan de PDF niet opslaan: er is geen bestandsnaam opgegeven.</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>het afdruksysteem gaf geen reden op</translation>
    </message>
    <message>
        <source>The print service cannot be reached. Please check that printing is set up and running, then try again.</source>
        <translation>De afdrukservice is niet bereikbaar. Controleer of afdrukken is ingesteld en actief is en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The worksheet waits in its queue until the printer is resumed.</source>
        <translation>De printer ‘%1’ is gepauzeerd. Het werkblad wacht in de wachtrij tot de printer weer wordt gestart.</translation>
    </message>
    <message>
        <source>Tallyworth worksheet %1</source>
        <translation>Tallyworth-werkblad %1</translation>
    </message>
    <message>
        <source>Sheet code %1</source>
        <translation>Werkbladcode %1</translation>
    </message>
    <message>
        <source>The worksheet of the sheet code %1 could not be composed.</source>
        <translation>Het werkblad van werkbladcode %1 kon niet worden samengesteld.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>Printer &quot;%1&quot; is niet bereikbaar. Controleer of hij is ingesteld en druk dan opnieuw af.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>Printer &quot;%1&quot; neemt geen afdrukopdrachten aan. Laat hem opdrachten aannemen in de printerinstellingen en druk dan opnieuw af.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRules</name>
    <message>
        <source>no problem fits these settings and rules</source>
        <translation>geen enkele som past bij deze instellingen en regels</translation>
    </message>
    <message>
        <source>No problem fits these settings and rules. Please widen the range or change the rules.</source>
        <translation>Geen enkele som past bij deze instellingen en regels. Maak het bereik groter of pas de regels aan.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln different problems</source>
        <translation>
            <numerusform>%Ln verschillende som</numerusform>
            <numerusform>%Ln verschillende sommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %Ln different problems: some will repeat</source>
        <translation>
            <numerusform>maar %Ln verschillende som: die komt vaker voor</numerusform>
            <numerusform>maar %Ln verschillende sommen: sommige komen vaker voor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</source>
        <translation>
            <numerusform>Maar %Ln som past bij deze instellingen en regels, dus die komt vaker voor. Het werkblad toch maken?</numerusform>
            <numerusform>Maar %Ln verschillende sommen passen bij deze instellingen en regels, dus sommige komen vaker voor. Het werkblad toch maken?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</source>
        <translation>
            <numerusform>Maar %Ln som past bij deze instellingen en regels, dus die komt vaker voor; de werkbladen worden toch gemaakt.</numerusform>
            <numerusform>Maar %Ln verschillende sommen passen bij deze instellingen en regels, dus sommige komen vaker voor; de werkbladen worden toch gemaakt.</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion billion different problems</source>
        <translation>meer dan een triljoen verschillende sommen</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRulesDialog</name>
    <message>
        <source>Problem Rules</source>
        <translation>Regels voor de sommen</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Geen &amp;triviale sommen</translation>
    </message>
    <message>
        <source>Leaves out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Laat sommen weg die hun antwoord weggeven: keer 1, gedeeld door 1 of door zichzelf, min zichzelf.</translation>
    </message>
    <message>
        <source>&amp;Fixed number:</source>
        <translation>&amp;Vast getal:</translation>
    </message>
    <message>
        <source>The second number of + and *, the number taken away in -, the divisor in a division; the other number comes from the range.</source>
        <translation>Het tweede getal bij + en *, het getal dat eraf gaat bij -, de deler bij een deling; het andere getal komt uit het bereik.</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Vast getal</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Toegestaan</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Altijd</translation>
    </message>
    <message>
        <source>&amp;Carrying and borrowing:</source>
        <translation>Tien&amp;doorgang:</translation>
    </message>
    <message>
        <source>No &amp;repeats on a sheet</source>
        <translation>Geen &amp;herhalingen op een blad</translation>
    </message>
    <message>
        <source>With the main window&apos;s settings:</source>
        <translation>Met de instellingen in het hoofdvenster:</translation>
    </message>
    <message>
        <source>The numbers in the main window cannot make a worksheet, so there is nothing to count yet.</source>
        <translation>Met de getallen in het hoofdvenster kan geen werkblad worden gemaakt, dus er valt nog niets te tellen.</translation>
    </message>
    <message>
        <source>View shows the page of cell numbers for these numbers, and the rules do not apply to it.</source>
        <translation>„Toon” toont bij deze getallen de pagina met celnummers, en de regels gelden daar niet.</translation>
    </message>
</context>
<context>
    <name>tallyworth::RuleWords</name>
    <message>
        <source>no carrying or borrowing</source>
        <translation>zonder tiendoorgang</translation>
    </message>
    <message>
        <source>carrying or borrowing in every problem</source>
        <translation>tiendoorgang in elke som</translation>
    </message>
    <message>
        <source>no trivial facts</source>
        <translation>geen triviale sommen</translation>
    </message>
    <message>
        <source>fixed number %1</source>
        <translation>vast getal %1</translation>
    </message>
    <message>
        <source>no repeats</source>
        <translation>geen herhalingen</translation>
    </message>
    <message>
        <source>--fixed takes a whole number from 1 to 99, not &quot;%1&quot;.</source>
        <translation>--fixed verwacht een geheel getal van 1 tot en met 99, niet ‘%1’.</translation>
    </message>
    <message>
        <source>--regrouping takes any, never or always, not &quot;%1&quot;.</source>
        <translation>--regrouping verwacht any, never of always, niet ‘%1’.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Sections</name>
    <message>
        <source>operation: choose at least one of +, -, * and /.</source>
        <translation>bewerking: kies minstens een van +, -, * en /.</translation>
    </message>
    <message>
        <source>first: %1</source>
        <translation>eerste getal: %1</translation>
    </message>
    <message>
        <source>second: %1</source>
        <translation>tweede getal: %1</translation>
    </message>
    <message>
        <source>problems: %1</source>
        <translation>aantal sommen: %1</translation>
    </message>
    <message>
        <source>fixed: the fixed number must be between 1 and 99.</source>
        <translation>vast getal: het vaste getal moet tussen 1 en 99 liggen.</translation>
    </message>
    <message>
        <source>remainders: the share must be between 0 and 100 %.</source>
        <translation>rest: het deel moet tussen 0 en 100 % liggen.</translation>
    </message>
    <message>
        <source>title: at most %1 characters on one line, please.</source>
        <translation>titel: hoogstens %1 tekens op één regel.</translation>
    </message>
    <message>
        <source>Section %1, %2</source>
        <translation>Onderdeel %1, %2</translation>
    </message>
    <message>
        <source>A sheet holds 1 to %1 sections.</source>
        <translation>Een blad heeft 1 tot %1 onderdelen.</translation>
    </message>
    <message>
        <source>The sections hold %1 problems in all, but a sheet holds at most %2.</source>
        <translation>De onderdelen hebben samen %1 sommen, maar een blad heeft er hoogstens %2.</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Sommen</translation>
    </message>
    <message>
        <source>Missing numbers</source>
        <translation>Ontbrekend getal</translation>
    </message>
    <message>
        <source>Division from the times tables</source>
        <translation>Delen uit de tafels</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>Delen met rest</translation>
    </message>
    <message>
        <source>%1: give the lowest and highest number from 1 to %2, the lowest first.</source>
        <translation>%1: geef het kleinste en grootste getal van 1 tot %2, het kleinste eerst.</translation>
    </message>
    <message>
        <source>rules: a written section takes no-repeats and carrying, no other rule.</source>
        <translation>regels: een onderdeel cijferen neemt alleen no-repeats en carrying, geen andere regel.</translation>
    </message>
    <message>
        <source>carrying: only written sums and differences carry.</source>
        <translation>onthouden: alleen optellen en aftrekken onder elkaar onthouden.</translation>
    </message>
    <message>
        <source>remainders: only a written division leaves remainders.</source>
        <translation>resten: alleen een staartdeling laat een rest.</translation>
    </message>
    <message>
        <source>operation: a written section takes one of +, -, * and /.</source>
        <translation>bewerking: een onderdeel cijferen neemt één van +, -, * en /.</translation>
    </message>
    <message>
        <source>addends: a written sum adds 2 to %1 numbers; the other operations take 2.</source>
        <translation>getallen: een optelling onder elkaar telt 2 tot %1 getallen op; de andere bewerkingen nemen er 2.</translation>
    </message>
    <message>
        <source>Written methods</source>
        <translation>Cijferen</translation>
    </message>
</context>
<context>
    <name>tallyworth::SectionsDialog</name>
    <message>
        <source>Sections</source>
        <translation>Onderdelen</translation>
    </message>
    <message>
        <source>&amp;Sections:</source>
        <translation>O&amp;nderdelen:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>To&amp;evoegen</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Verwi&amp;jderen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>O&amp;mhoog</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>A&amp;ddition</source>
        <translation>O&amp;ptellen</translation>
    </message>
    <message>
        <source>Su&amp;btraction</source>
        <translation>A&amp;ftrekken</translation>
    </message>
    <message>
        <source>Mu&amp;ltiplication</source>
        <translation>Vermenigv&amp;uldigen</translation>
    </message>
    <message>
        <source>Di&amp;vision</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Bewerkingen:</translation>
    </message>
    <message>
        <source>Printed above the section&apos;s problems; none when empty.</source>
        <translation>Staat boven de sommen van het onderdeel; geen als het leeg is.</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot en met</translation>
    </message>
    <message>
        <source>&amp;First number:</source>
        <translation>Eerste &amp;getal:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the first number. Division from the tables: the quotient. Division with remainders: the number divided.</source>
        <translation>Sommen en ontbrekend getal: het eerste getal. Delen uit de tafels: de uitkomst. Delen met rest: het getal dat wordt gedeeld.</translation>
    </message>
    <message>
        <source>Seco&amp;nd number:</source>
        <translation>T&amp;weede getal:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the second number. Both kinds of division: the divisor.</source>
        <translation>Sommen en ontbrekend getal: het tweede getal. Beide soorten delen: de deler.</translation>
    </message>
    <message>
        <source>&amp;Problems:</source>
        <translation>&amp;Aantal sommen:</translation>
    </message>
    <message>
        <source>Allow ne&amp;gative results</source>
        <translation>Negatieve uit&amp;komsten toestaan</translation>
    </message>
    <message>
        <source>The first number</source>
        <translation>Het eerste getal</translation>
    </message>
    <message>
        <source>The second number</source>
        <translation>Het tweede getal</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Een van beide</translation>
    </message>
    <message>
        <source>&amp;Missing number:</source>
        <translation>Ont&amp;brekend getal:</translation>
    </message>
    <message>
        <source>At least this share of the section&apos;s problems leaves a remainder.</source>
        <translation>Minstens dit deel van de sommen van het onderdeel laat een rest over.</translation>
    </message>
    <message>
        <source>Remainder s&amp;hare:</source>
        <translation>Aandeel met &amp;rest:</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Geen triviale s&amp;ommen</translation>
    </message>
    <message>
        <source>Fi&amp;xed number:</source>
        <translation>&amp;Vast getal:</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Vast getal</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Toegestaan</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Altijd</translation>
    </message>
    <message>
        <source>Carr&amp;ying and borrowing:</source>
        <translation>T&amp;iendoorgang:</translation>
    </message>
    <message>
        <source>No &amp;repeats</source>
        <translation>Geen &amp;herhalingen</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>The dialog&apos;s list of sections: its number, kind or title, and what its count allows.</extracomment>
        <translation>%1. %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Sheet of %n section(s) (Options &gt; Sections)</source>
        <translation>
            <numerusform>Blad met %n onderdeel (Opties &gt; Onderdelen)</numerusform>
            <numerusform>Blad met %n onderdelen (Opties &gt; Onderdelen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, lowest</source>
        <translation>%1, laagste</translation>
    </message>
    <message>
        <source>%1, highest</source>
        <translation>%1, hoogste</translation>
    </message>
    <message>
        <source>Numbers t&amp;o add:</source>
        <translation>Op te tellen getallen (&amp;2 tot 4):</translation>
    </message>
    <message>
        <source>&amp;Carrying:</source>
        <translation>&amp;Cijfers onthouden:</translation>
    </message>
    <message>
        <source>In any column</source>
        <translation>In elke kolom</translation>
    </message>
    <message>
        <source>In no column</source>
        <translation>In geen kolom</translation>
    </message>
    <message>
        <source>In one column at most</source>
        <translation>In hoogstens één kolom</translation>
    </message>
    <message>
        <source>How many numbers a written sum adds, one under the other.</source>
        <translation>Hoeveel getallen een optelling onder elkaar optelt.</translation>
    </message>
    <message>
        <source>Where a written sum carries or a written difference borrows.</source>
        <translation>Waar een optelling onder elkaar onthoudt of een aftrekking leent.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Serve</name>
    <message>
        <source>As usually taught</source>
        <translation>Zoals gewoonlijk onderwezen</translation>
    </message>
    <message>
        <source>Different problems under these rules: %1</source>
        <translation>Verschillende sommen volgens deze regels: %1</translation>
    </message>
    <message>
        <source>Make the worksheets</source>
        <translation>Werkbladen maken</translation>
    </message>
    <message>
        <source>Bring back a sheet</source>
        <translation>Een blad terughalen</translation>
    </message>
    <message>
        <source>Make its sheets again</source>
        <translation>Zijn bladen opnieuw maken</translation>
    </message>
    <message>
        <source>There is no setting &quot;%1&quot;.</source>
        <translation>Er is geen instelling ‘%1’.</translation>
    </message>
    <message>
        <source>Many class sets are being made just now: try again in a moment.</source>
        <translation>Er worden nu veel klassensets gemaakt: probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>Show the sheets as text</source>
        <translation>De bladen als tekst tonen</translation>
    </message>
    <message>
        <source>--listen takes ADDRESS:PORT, such as 127.0.0.1:8470 or [::1]:8470, not &quot;%1&quot;.</source>
        <translation>--listen verwacht ADRES:POORT, zoals 127.0.0.1:8470 of [::1]:8470, niet ‘%1’.</translation>
    </message>
    <message>
        <source>--listen: the port of &quot;%1&quot; is not a number from 0 to 65535.</source>
        <translation>--listen: de poort van ‘%1’ is geen getal van 0 tot en met 65535.</translation>
    </message>
    <message>
        <source>--listen: the host of &quot;%1&quot; is not an IP address nor localhost.</source>
        <translation>--listen: de host van ‘%1’ is geen IP-adres en ook geen localhost.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: another program uses that port.</source>
        <translation>Kon niet luisteren op ‘%1’: een ander programma gebruikt die poort.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: that address is not one of this machine&apos;s.</source>
        <translation>Kon niet luisteren op ‘%1’: dat adres is niet van deze computer.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: %2.</source>
        <translation>Kon niet luisteren op ‘%1’: %2.</translation>
    </message>
    <message>
        <source>The worksheets could not be made whole. Please try again.</source>
        <translation>De werkbladen konden niet volledig worden gemaakt. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Onderdelen</translation>
    </message>
    <message>
        <source>Each section starts on a row of its own, with its own operations and numbers; the problem rules hold for every section.</source>
        <translation>Elk onderdeel begint op een eigen rij, met eigen bewerkingen en getallen; de regels voor de sommen gelden voor alle onderdelen.</translation>
    </message>
    <message>
        <source>Add a section</source>
        <translation>Onderdeel toevoegen</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Onderdeel %1</translation>
    </message>
    <message>
        <source>Remove section %1</source>
        <translation>Onderdeel %1 verwijderen</translation>
    </message>
    <message>
        <source>Move section %1 up</source>
        <translation>Onderdeel %1 omhoog</translation>
    </message>
    <message>
        <source>Move section %1 down</source>
        <translation>Onderdeel %1 omlaag</translation>
    </message>
    <message>
        <source>Kind of problems</source>
        <translation>Soort sommen</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Bewerkingen</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Eerste getal</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Tweede getal</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotiënt</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Deler</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Deeltal</translation>
    </message>
    <message>
        <source>Missing number</source>
        <translation>Ontbrekend getal</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Een van beide</translation>
    </message>
    <message>
        <source>At least how many in 100 leave a remainder</source>
        <translation>Sommen met rest: minstens hoeveel van de 100</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>What to practise</source>
        <translation>Wat er geoefend wordt</translation>
    </message>
    <message>
        <source>This sheet&apos;s code: %1</source>
        <translation>Code van dit blad: %1</translation>
    </message>
    <message>
        <source>New problems</source>
        <translation>Nieuwe sommen</translation>
    </message>
    <message>
        <source>Making the worksheets…</source>
        <translation>De werkbladen worden gemaakt…</translation>
    </message>
    <message>
        <source>Pages received: %1</source>
        <translation>Ontvangen pagina&apos;s: %1</translation>
    </message>
    <message>
        <source>The worksheets are made. Their code: %1</source>
        <translation>De werkbladen zijn gemaakt. Hun code: %1</translation>
    </message>
    <message>
        <source>The worksheets as text</source>
        <translation>De werkbladen als tekst</translation>
    </message>
    <message>
        <source>Back to the worksheet&apos;s settings</source>
        <translation>Terug naar de instellingen van het werkblad</translation>
    </message>
    <message>
        <source>page takes the number of a page of the set, not &quot;%1&quot;.</source>
        <translation>page neemt het nummer van een pagina van de set, niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The set has no page %1.</source>
        <translation>De set heeft geen pagina %1.</translation>
    </message>
    <message>
        <source>Open them to print</source>
        <translation>Openen om af te drukken</translation>
    </message>
    <message>
        <source>The set as it will print</source>
        <translation>De klassenset zoals hij wordt afgedrukt</translation>
    </message>
    <message>
        <source>Page %1 of %2 of the set, code %3; the first sheet&apos;s problems follow as text.</source>
        <translation>Pagina %1 van %2 van de set, code %3; de sommen van het eerste werkblad volgen als tekst.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::SettingsValidation</name>
    <message>
        <source>Number of Problems must be between 1 and 100.</source>
        <translation>Het aantal sommen moet tussen 1 en 100 liggen.</translation>
    </message>
    <message>
        <source>Lowest Number must be less than Highest Number!</source>
        <translation>Het kleinste getal moet kleiner zijn dan het grootste getal!</translation>
    </message>
    <message>
        <source>Highest Number must be between 1 and 99.</source>
        <translation>Het grootste getal moet tussen 1 en 99 liggen.</translation>
    </message>
    <message>
        <source>Lowest Number must be between 1 and 99.</source>
        <translation>Het kleinste getal moet tussen 1 en 99 liggen.</translation>
    </message>
    <message>
        <source>Lowest Number cannot equal Highest Number.</source>
        <translation>Het kleinste getal mag niet gelijk zijn aan het grootste getal.</translation>
    </message>
    <message>
        <source>You can&apos;t divide by zero.</source>
        <translation>U kunt niet delen door nul.</translation>
    </message>
    <message>
        <source>Please check your Highest Number.</source>
        <translation>Controleer het grootste getal.</translation>
    </message>
    <message>
        <source>Please check your Lowest Number.</source>
        <translation>Controleer het kleinste getal.</translation>
    </message>
    <message>
        <source>Please check your Number of Problems.</source>
        <translation>Controleer het aantal sommen.</translation>
    </message>
    <message>
        <source>oops</source>
        <translation>Oeps</translation>
    </message>
    <message>
        <source>Please check your input.</source>
        <translation>Controleer de invoer.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCode</name>
    <message>
        <source>The sheet code contains &quot;%1&quot;, which no sheet code uses: please check what you typed.</source>
        <translation>De werkbladcode bevat &quot;%1&quot;, dat in geen enkele werkbladcode voorkomt: controleer wat u hebt getypt.</translation>
    </message>
    <message>
        <source>A sheet code has %1 letters and digits, but this one has %2: please check what you typed.</source>
        <translation>Een werkbladcode heeft %1 letters en cijfers, maar deze heeft er %2: controleer wat u hebt getypt.</translation>
    </message>
    <message>
        <source>The sheet code&apos;s check character does not match: please check what you typed.</source>
        <translation>Het controleteken van de werkbladcode klopt niet: controleer wat u hebt getypt.</translation>
    </message>
    <message>
        <source>The sheet code is of version %1, which this program does not know: it may come from a newer version of the program.</source>
        <translation>De werkbladcode is van versie %1, die dit programma niet kent: hij komt misschien uit een nieuwere versie van het programma.</translation>
    </message>
    <message>
        <source>The sheet code holds settings that cannot make a worksheet: %1</source>
        <translation>De werkbladcode bevat instellingen waarmee geen werkblad kan worden gemaakt: %1</translation>
    </message>
    <message>
        <source>Operation must be one of +, -, *, %1 and Mix.</source>
        <translation>De bewerking moet +, -, *, %1 of ‘Door elkaar’ zijn.</translation>
    </message>
    <message>
        <source>The fixed number must be between 1 and 99.</source>
        <translation>Het vaste getal moet tussen 1 en 99 liggen.</translation>
    </message>
    <message>
        <source>its sections cannot be read.</source>
        <translation>de onderdelen ervan zijn onleesbaar.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCodeDialog</name>
    <message>
        <source>Open Sheet Code</source>
        <translation>Werkbladcode openen</translation>
    </message>
    <message>
        <source>Type the sheet code shown under a worksheet, or on a page of a class set: 14 letters and digits.</source>
        <translation>Typ de werkbladcode die onder een werkblad of op een pagina van een klassenset staat: 14 letters en cijfers.</translation>
    </message>
    <message>
        <source>&amp;Sheet code:</source>
        <translation>Werkblad&amp;code:</translation>
    </message>
</context>
<context>
    <name>tallyworth::SpokenPage</name>
    <message>
        <source>%1 %2 %3 equals %4</source>
        <translation>%1 %2 %3 is %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 equals</source>
        <translation>%1 %2 %3 is</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>rest</translation>
    </message>
</context>
</TS>

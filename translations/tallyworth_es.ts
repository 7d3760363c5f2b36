<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>tallyworth::AboutBox</name>
    <message>
        <source>Dedicated to the pupils and teachers of Hazelbrook Primary School in Millbridge.</source>
        <translation>Dedicado a los alumnos y maestros de la Hazelbrook Primary School de Millbridge.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3 BETA</source>
        <translation>Versión %1.%2.%3 BETA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>%1 logo</source>
        <translation>Logotipo de %1</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSet</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Ficha %1 de %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Hoja de respuestas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>A class set has 1 to %1 sheets of settings that make a worksheet.</source>
        <translation>Un juego de fichas para la clase tiene de 1 a %1 fichas con ajustes que permiten hacer una ficha.</translation>
    </message>
    <message>
        <source>A class set of %1 worksheets; the first sheet&apos;s code is %2</source>
        <translation>Un juego de fichas para la clase de %1 fichas; el código de la primera ficha es %2</translation>
    </message>
    <message>
        <source>Tallyworth class set</source>
        <translation>Juego de fichas para la clase de Tallyworth</translation>
    </message>
    <message>
        <source>The paper is too small for a worksheet.</source>
        <translation>El papel es demasiado pequeño para una ficha.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>No se pudo empezar una página nueva.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Juego de fichas para la clase</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>After each sheet</source>
        <translation>Después de cada ficha</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Todas al final</translation>
    </message>
    <message>
        <source>&amp;Header with Name and Date lines</source>
        <translation>&amp;Encabezado con líneas de nombre y fecha</translation>
    </message>
    <message>
        <source>Number of &amp;sheets:</source>
        <translation>Número de &amp;fichas:</translation>
    </message>
    <message>
        <source>&amp;Answer keys:</source>
        <translation>&amp;Hojas de respuestas:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>Archivo &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>Pape&amp;l:</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>&amp;Impresora</translation>
    </message>
</context>
<context>
    <name>tallyworth::ClassSetProgressDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Juego de fichas para la clase</translation>
    </message>
    <message>
        <source>Making the class set...</source>
        <translation>Creando el juego de fichas...</translation>
    </message>
    <message>
        <source>Making the class set: page %1 of %2</source>
        <translation>Creando el juego de fichas: página %1 de %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::CommandLine</name>
    <message>
        <source>Print them as one job on the default printer.</source>
        <translation>Imprimirlas como un solo trabajo en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Print on the printer NAME instead.</source>
        <translation>Imprimir en la impresora NAME.</translation>
    </message>
    <message>
        <source>The operation (default +); ÷ is read as /, x as *.</source>
        <translation>La operación (por defecto +); ÷ se lee como /, x como *.</translation>
    </message>
    <message>
        <source>Subtractions may have negative results.</source>
        <translation>Las restas pueden dar resultados negativos.</translation>
    </message>
    <message>
        <source>Divisions with the division sign (default) or the long-division bracket.</source>
        <translation>Divisiones con el signo de división (por defecto) o con la caja de división.</translation>
    </message>
    <message>
        <source>Answer keys: none (default), each after its sheet, or all at the end.</source>
        <translation>Hojas de respuestas: ninguna (por defecto), cada una tras su ficha o todas al final.</translation>
    </message>
    <message>
        <source>Leave out the band with the Name and Date lines, the sheet number and the code.</source>
        <translation>Quitar la franja con las líneas de nombre y fecha, el número de ficha y el código.</translation>
    </message>
    <message>
        <source>The paper: by default the system&apos;s for a PDF, the printer&apos;s own for a print.</source>
        <translation>El papel: por defecto el del sistema para un PDF, el de la impresora al imprimir.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>--%1 takes one of %2, not &quot;%3&quot;.</source>
        <translation>--%1 admite uno de %2, no «%3».</translation>
    </message>
    <message>
        <source>Give either --pdf or --print, not both.</source>
        <translation>Indique --pdf o --print, no ambos.</translation>
    </message>
    <message>
        <source>Say where the worksheets go: --pdf FILE or --print.</source>
        <translation>Indique adónde van las fichas: --pdf FILE o --print.</translation>
    </message>
    <message>
        <source>--pdf needs a file name.</source>
        <translation>--pdf necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>--printer needs a printer name, and --print with it.</source>
        <translation>--printer necesita un nombre de impresora y, con él, --print.</translation>
    </message>
    <message>
        <source>--sheets takes a number of sheets from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--sheets admite un número de fichas de 1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>--code holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--code contiene los ajustes de la ficha: quite --%1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 aparece más de una vez.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Without arguments Tallyworth opens its windows. With them it makes worksheets without any window: one sheet, or a class set of different sheets, each with its own sheet code, written to a PDF or printed as one job. The first sheet&apos;s code is written to standard output; --code with it and --sheets makes the same sheets again.</source>
        <translation>Sin argumentos, Tallyworth abre sus ventanas. Con ellos hace fichas sin ninguna ventana: una ficha, o un juego de fichas para la clase, todas distintas, cada una con su propio código de ficha, escritas en un PDF o impresas como un solo trabajo. El código de la primera ficha se escribe en la salida estándar; --code con él y --sheets vuelven a hacer las mismas fichas.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the worksheets could not be written or printed, 2 for bad options or settings.</source>
        <translation>Estado de salida: 0 si todo fue bien, 1 si no se pudieron escribir o imprimir las fichas, 2 si hay opciones o ajustes incorrectos.</translation>
    </message>
    <message>
        <source>Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Omite los ejercicios que delatan su resultado: por 1, entre 1 o entre sí mismo, menos sí mismo.</translation>
    </message>
    <message>
        <source>Carrying and borrowing in + and -: allowed (default), never, or in every problem.</source>
        <translation>Llevadas en + y -: permitidas (por defecto), nunca o en cada ejercicio.</translation>
    </message>
    <message>
        <source>No problem comes twice on a sheet until every allowed problem has been used.</source>
        <translation>Ningún ejercicio sale dos veces en una ficha hasta haber usado todos los ejercicios permitidos.</translation>
    </message>
    <message>
        <source>Example: 30 different sheets of the 7 times table without trivial facts, each followed by its answer key:</source>
        <translation>Ejemplo: 30 fichas distintas de la tabla del 7 sin ejercicios triviales, cada una seguida de su hoja de respuestas:</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>no se pudo escribir en la salida estándar: %1.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>Try &apos;tallyworth --help&apos;.</source>
        <translation>Pruebe «tallyworth --help».</translation>
    </message>
    <message>
        <source>the windows need a display; --pdf and --print make worksheets without one (see tallyworth --help).</source>
        <translation>las ventanas necesitan una pantalla; --pdf y --print hacen fichas sin ella (vea tallyworth --help).</translation>
    </message>
    <message>
        <source>Write the worksheets to the PDF file FILE; - writes them to standard output.</source>
        <translation>Escribir las fichas en el archivo PDF FILE; - las escribe en la salida estándar.</translation>
    </message>
    <message>
        <source>--pdf needs a file name, not the option &quot;%1&quot;; write ./%1 for a file of that name.</source>
        <translation>--pdf necesita un nombre de archivo, no la opción «%1»; para un archivo con ese nombre, escriba ./%1.</translation>
    </message>
    <message>
        <source>A fixed divisor takes its dividends from the range, so the range must reach its multiples: sheets of 7 ÷ 7 to 84 ÷ 7:</source>
        <translation>Un divisor fijo toma sus dividendos del rango, así que el rango debe llegar a sus múltiplos: fichas de 7 ÷ 7 a 84 ÷ 7:</translation>
    </message>
    <message>
        <source>The Lowest Number, %1 to %2 (default %3).</source>
        <translation>El número menor, de %1 a %2 (por defecto %3).</translation>
    </message>
    <message>
        <source>The Highest Number, %1 to %2 (default %3).</source>
        <translation>El número mayor, de %1 a %2 (por defecto %3).</translation>
    </message>
    <message>
        <source>How many problems a sheet has, %1 to %2 (default %3).</source>
        <translation>Cuántos ejercicios tiene una ficha, de %1 a %2 (por defecto %3).</translation>
    </message>
    <message>
        <source>Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /.</source>
        <translation>Practica el número F, de %1 a %2: el segundo número de + y *, el número que se resta en -, el divisor en /.</translation>
    </message>
    <message>
        <source>How many different sheets, %1 to %2 (default %3).</source>
        <translation>Cuántas fichas distintas, de %1 a %2 (por defecto %3).</translation>
    </message>
    <message>
        <source>The multiplication sign: ×, ⋅ or *; by default the one taught in the user&apos;s language.</source>
        <translation>El signo de multiplicación: ×, ⋅ o *; por defecto el que se enseña en el idioma del usuario.</translation>
    </message>
    <message>
        <source>The division sign written on a line: obelus for the division sign ÷, colon for :; by default the one taught in the user&apos;s language.</source>
        <translation>El signo de división escrito en línea: obelus para el signo ÷, colon para los dos puntos :; por defecto el que se enseña en el idioma del usuario.</translation>
    </message>
    <message>
        <source>Each problem&apos;s numbers stacked in a column (default) or on one line.</source>
        <translation>Los números de cada problema en columna (por defecto) o en una línea.</translation>
    </message>
    <message>
        <source>How big the figures are printed: normal (default), large or extra large.</source>
        <translation>El tamaño con que se imprimen las cifras: normal (por defecto), grande o muy grande.</translation>
    </message>
    <message>
        <source>Print a sheet of few problems as large as fills its page.</source>
        <translation>Imprimir una ficha de pocos problemas tan grande que llene su página.</translation>
    </message>
    <message>
        <source>Serve the worksheets&apos; page to the browsers of the network, until stopped.</source>
        <translation>Servir la página de las fichas a los navegadores de la red, hasta que se detenga.</translation>
    </message>
    <message>
        <source>Where --serve listens (default 127.0.0.1:8470); 0.0.0.0:8470 opens it to the network, port 0 takes a free one.</source>
        <translation>Dónde escucha --serve (por defecto 127.0.0.1:8470); 0.0.0.0:8470 lo abre a la red, el puerto 0 toma uno libre.</translation>
    </message>
    <message>
        <source>Serve under PATH, such as /worksheets, behind a reverse proxy.</source>
        <translation>Servir bajo PATH, como /worksheets, detrás de un proxy inverso.</translation>
    </message>
    <message>
        <source>How many class sets --serve draws at once (default: one a processor core).</source>
        <translation>Cuántos juegos de fichas crea --serve a la vez (por defecto: uno por núcleo del procesador).</translation>
    </message>
    <message>
        <source>How many more class sets wait for their turn (default 64); the rest are asked to try again.</source>
        <translation>Cuántos juegos de fichas más esperan su turno (por defecto 64); a los demás se les pide que lo intenten de nuevo.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &quot;%3&quot;.</source>
        <translation>--%1 admite un número entero de 1 a %2, no «%3».</translation>
    </message>
    <message>
        <source>How many connections --serve takes from one address at once (default 16); behind a reverse proxy, every client has the proxy&apos;s address.</source>
        <translation>Cuántas conexiones acepta --serve de una misma dirección a la vez (por defecto 16); detrás de un proxy inverso, todos los clientes tienen la dirección del proxy.</translation>
    </message>
    <message>
        <source>The range of the first number (the dividend of a division), in place of --lowest and --highest.</source>
        <translation>El intervalo del primer número (el dividendo de una división), en lugar de --lowest y --highest.</translation>
    </message>
    <message>
        <source>The range of the second number (the divisor of a division); the first&apos;s unless given.</source>
        <translation>El intervalo del segundo número (el divisor de una división); el del primero si no se indica.</translation>
    </message>
    <message>
        <source>--%1 takes a range LOW-HIGH, not &quot;%2&quot;.</source>
        <translation>--%1 admite un intervalo MIN-MAX, no «%2».</translation>
    </message>
    <message>
        <source>--section holds the worksheet&apos;s settings: leave out --%1.</source>
        <translation>--section contiene los ajustes de la ficha: quite --%1.</translation>
    </message>
    <message>
        <source>Section %1 (%2): </source>
        <translation>Sección %1 (%2): </translation>
    </message>
    <message>
        <source>Section %1: %2 takes %3, not &quot;%4&quot;.</source>
        <translation>Sección %1: %2 admite %3, no «%4».</translation>
    </message>
    <message>
        <source>Section %1: &quot;%2&quot; is not a field. Write each field as name=value, a value with blanks in double quotes: title=&quot;Times tables&quot;.</source>
        <translation>Sección %1: «%2» no es un campo. Escriba cada campo como nombre=valor, un valor con espacios entre comillas dobles: title=&quot;Tablas de multiplicar&quot;.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>Print on each sheet, next to its code, a QR code of its practice page: URL followed by practice?code= and the code. With --serve, on the sheets it serves.</source>
        <translation>Imprimir en cada ficha, junto a su código, un código QR de su página de práctica: URL seguida de practice?code= y el código. Con --serve, en las fichas que sirve.</translation>
    </message>
    <message>
        <source>--public-url takes an http or https address such as https://school.example/worksheets/, not &quot;%1&quot;.</source>
        <translation>--public-url admite una dirección http o https como https://school.example/worksheets/, no «%1».</translation>
    </message>
    <message>
        <source>--serve takes only --listen, --base-path, --sets, --queue, --per-client and --public-url, not --%1.</source>
        <translation>--serve solo admite --listen, --base-path, --sets, --queue, --per-client y --public-url, no --%1.</translation>
    </message>
    <message>
        <source>One section of a sheet of several, given once for each, such as &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Times tables&quot;&apos;. Kinds: facts, missing (missing=first|second|either), table-division, remainder (remainders=N for at least N %, or always), written (one operation; numbers of up to 6 digits; addends=2..4 for +, carrying=any|never|once for + and -, remainders=N or always for /). Other fields: operation (+, -, *, / or a list such as +,- or mix), first and second (LOW-HIGH), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In place of the options above.</source>
        <translation>Una sección de una ficha de varias, indicada una vez para cada una, por ejemplo &apos;kind=missing operation=x first=2-12 problems=20 missing=either title=&quot;Tablas&quot;&apos;. Tipos: facts (operaciones), missing (número que falta; missing=first|second|either), table-division (división de las tablas), remainder (división con resto; remainders=N para al menos un N %, o always), written (operaciones en columna: una operación; números de hasta 6 cifras; addends=2..4 para +, carrying=any|never|once para + y -, remainders=N o always para /). Otros campos: operation (+, -, *, / o una lista como +,- o mix), first y second (MIN-MAX), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. En lugar de las opciones anteriores.</translation>
    </message>
    <message>
        <source>How written methods are laid out, as the schools of a country write them; by default those of the user&apos;s language and country.</source>
        <translation>Cómo se disponen las operaciones en columna, como las escriben las escuelas de un país; por defecto las del idioma y el país del usuario.</translation>
    </message>
    <message>
        <source>Squared paper behind written methods; by default as the method&apos;s country uses it.</source>
        <translation>Papel cuadriculado detrás de las operaciones en columna; por defecto como lo usa el país del método.</translation>
    </message>
    <message>
        <source>Answer keys of written methods show the whole working, not the answers alone.</source>
        <translation>Las hojas de respuestas de las operaciones en columna muestran todo el desarrollo, no solo los resultados.</translation>
    </message>
    <message>
        <source>Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size, fill-page, method, squares and key-working options, when given, override the code&apos;s.</source>
        <translation>Volver a hacer la ficha de este código, con sus ajustes; con --sheets N, el juego de fichas que empieza por ella. Las opciones de signo, disposición, tamaño, --fill-page, --method, --squares y --key-working que se den prevalecen sobre las del código.</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogColorChooser</name>
    <message>
        <source>Color Picker</source>
        <translation>Selector de color</translation>
    </message>
</context>
<context>
    <name>tallyworth::DialogFileChooser</name>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>tallyworth::MainWindow</name>
    <message>
        <source>Lowest Number</source>
        <translation>Número menor</translation>
    </message>
    <message>
        <source>Highest Number</source>
        <translation>Número mayor</translation>
    </message>
    <message>
        <source>How Many Problems</source>
        <translation>Número de ejercicios</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Allow Negative Results</source>
        <translation>Permitir resultados negativos</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracción</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Long-division bracket</source>
        <translation>Caja de división</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Open Sheet Code...</source>
        <translation>&amp;Abrir código de ficha...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Problem &amp;Rules...</source>
        <translation>&amp;Reglas de los ejercicios...</translation>
    </message>
    <message>
        <source>Division sign</source>
        <translation>Signo de división</translation>
    </message>
    <message>
        <source>&amp;Page...</source>
        <translation>&amp;Página...</translation>
    </message>
    <message>
        <source>Drawing the problems</source>
        <translation>Creando los ejercicios</translation>
    </message>
    <message>
        <source>&amp;Sections...</source>
        <translation>&amp;Secciones...</translation>
    </message>
</context>
<context>
    <name>tallyworth::Operations</name>
    <message>
        <source>Mix</source>
        <translation>Mezcladas</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageFill</name>
    <message>
        <source>ComposeProblems(): Subscript out of range</source>
        <translation>ComposeProblems(): subíndice fuera de rango</translation>
    </message>
    <message>
        <source>DisplayProblems(): Subscript out of range</source>
        <translation>DisplayProblems(): subíndice fuera de rango</translation>
    </message>
    <message>
        <source>An Error has been detected.</source>
        <translation>Se ha detectado un error.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageOptionsDialog</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>As usually taught (%1)</source>
        <translation>Como se suele enseñar (%1)</translation>
    </message>
    <message>
        <source>Cross %1</source>
        <translation>Aspa %1</translation>
    </message>
    <message>
        <source>Dot %1</source>
        <translation>Punto %1</translation>
    </message>
    <message>
        <source>Asterisk %1</source>
        <translation>Asterisco %1</translation>
    </message>
    <message>
        <source>Division sign %1</source>
        <translation>Signo de división %1</translation>
    </message>
    <message>
        <source>Colon %1</source>
        <translation>Dos puntos %1</translation>
    </message>
    <message>
        <source>Stacked in columns</source>
        <translation>En columnas</translation>
    </message>
    <message>
        <source>On a line</source>
        <translation>En una línea</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large (18 pt)</source>
        <translation>Grande (18 pt)</translation>
    </message>
    <message>
        <source>Extra large (24 pt)</source>
        <translation>Muy grande (24 pt)</translation>
    </message>
    <message>
        <source>&amp;Fill the page</source>
        <translation>&amp;Llenar la página</translation>
    </message>
    <message>
        <source>Prints a short worksheet as large as its page allows.</source>
        <translation>Imprime una ficha corta tan grande como lo permite la página.</translation>
    </message>
    <message>
        <source>&amp;Times sign:</source>
        <translation>Signo de &amp;multiplicar:</translation>
    </message>
    <message>
        <source>&amp;Division sign:</source>
        <translation>Signo de &amp;dividir:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Colocación:</translation>
    </message>
    <message>
        <source>Print &amp;size:</source>
        <translation>&amp;Tamaño de letra:</translation>
    </message>
    <message>
        <source>&amp;Written methods:</source>
        <translation>&amp;Operaciones en columna:</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>S&amp;quared paper:</source>
        <translation>&amp;Papel cuadriculado:</translation>
    </message>
    <message>
        <source>As the method&apos;s country uses it</source>
        <translation>Como lo usa el país del método</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Answer &amp;keys show the whole working</source>
        <translation>Las hojas de &amp;respuestas muestran todo el desarrollo</translation>
    </message>
    <message>
        <source>An answer key of written methods shows every step, not the answers alone.</source>
        <translation>Una hoja de respuestas de operaciones en columna muestra cada paso, no solo los resultados.</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageStatusLine</name>
    <message>
        <source>Sheet c&amp;ode:</source>
        <translation>Código de &amp;ficha:</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Reglas:</translation>
    </message>
</context>
<context>
    <name>tallyworth::PageWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Solutions</source>
        <translation>&amp;Soluciones</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>&amp;Páginas</translation>
    </message>
    <message>
        <source>Page &amp;1</source>
        <translation>Página &amp;1</translation>
    </message>
    <message>
        <source>Page &amp;2</source>
        <translation>Página &amp;2</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>C&amp;olor Picker...</source>
        <translation>Selector de &amp;color...</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Only the division test with more than 50 problems has two pages</source>
        <translation>Solo una ficha de divisiones con más de 50 ejercicios tiene dos páginas</translation>
    </message>
    <message>
        <source>Class &amp;Set...</source>
        <translation>&amp;Juego de fichas para la clase...</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions shown</source>
        <translation>Ficha, página %1 de %2, soluciones visibles</translation>
    </message>
    <message>
        <source>Worksheet, page %1 of %2, solutions hidden</source>
        <translation>Ficha, página %1 de %2, soluciones ocultas</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>P&amp;revious Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message numerus="yes">
        <source>The worksheet has %n page(s).</source>
        <translation>
            <numerusform>La ficha tiene %n página.</numerusform>
            <numerusform>La ficha tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Ficha</translation>
    </message>
</context>
<context>
    <name>tallyworth::Practice</name>
    <message>
        <source>The minutes for the practice must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>Los minutos de la práctica deben ser un número entero de %1 a %2, no «%3».</translation>
    </message>
    <message>
        <source>A second go at wrong answers is retry=1, or retry=0 for none, not &quot;%1&quot;.</source>
        <translation>Un segundo intento con las respuestas incorrectas es retry=1, o retry=0 para ninguno, no «%1».</translation>
    </message>
    <message>
        <source>This practice link has no sheet code. Ask your teacher for the whole link.</source>
        <translation>A este enlace de práctica le falta el código de ficha. Pide el enlace completo a tu profesor o profesora.</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <translation>Ejercicio %1: %2</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Tiempo usado: %1 de %2</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Type each answer, then press Check.</source>
        <translation>Escribe cada respuesta y luego pulsa Comprobar.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Wrong. Right: %1</source>
        <translation>Incorrecto. Correcto: %1</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 correctos</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
</context>
<context>
    <name>tallyworth::Printing</name>
    <message>
        <source>Tallyworth worksheet</source>
        <translation>Ficha de Tallyworth</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>No se puede acceder a la impresora predeterminada «%1». Compruebe que esté configurada y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>La impresora predeterminada «%1» no acepta trabajos de impresión. Permita que los acepte en la configuración de la impresora y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation>No se pudo terminar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar «%1»: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>no se pudo terminar el PDF</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the printer settings, then print again.</source>
        <translation>No hay ninguna impresora predeterminada. Elija una impresora predeterminada en la configuración de la impresora y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The print job could not be started: %1.</source>
        <translation>No se pudo iniciar el trabajo de impresión: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print job: %2</source>
        <translation>La impresora «%1» no aceptó el trabajo de impresión: %2</translation>
    </message>
    <message>
        <source>Could not save the PDF: no file name was given.</source>
        <translation>No se pudo guardar el PDF: no se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>el sistema de impresión no indicó ningún motivo</translation>
    </message>
    <message>
        <source>The print service cannot be reached. Please check that printing is set up and running, then try again.</source>
        <translation>No se puede acceder al servicio de impresión. Compruebe que la impresión está configurada y en marcha, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused. The worksheet waits in its queue until the printer is resumed.</source>
        <translation>La impresora «%1» está en pausa. La ficha espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>Tallyworth worksheet %1</source>
        <translation>Ficha de Tallyworth %1</translation>
    </message>
    <message>
        <source>Sheet code %1</source>
        <translation>Código de ficha %1</translation>
    </message>
    <message>
        <source>The worksheet of the sheet code %1 could not be composed.</source>
        <translation>No se pudo componer la ficha del código de ficha %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be reached. Check that it is set up, then print again.</source>
        <translation>No se puede acceder a la impresora «%1». Compruebe que esté configurada y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting print jobs. Let it accept jobs in the printer settings, then print again.</source>
        <translation>La impresora «%1» no acepta trabajos de impresión. Permita que los acepte en la configuración de impresoras y vuelva a imprimir.</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRules</name>
    <message>
        <source>no problem fits these settings and rules</source>
        <translation>ningún ejercicio cumple estos ajustes y reglas</translation>
    </message>
    <message>
        <source>No problem fits these settings and rules. Please widen the range or change the rules.</source>
        <translation>Ningún ejercicio cumple estos ajustes y reglas. Por favor, amplíe el rango o cambie las reglas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln different problems</source>
        <translation>
            <numerusform>%Ln ejercicio distinto</numerusform>
            <numerusform>%Ln ejercicios distintos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %Ln different problems: some will repeat</source>
        <translation>
            <numerusform>solo %Ln ejercicio distinto: se repetirá</numerusform>
            <numerusform>solo %Ln ejercicios distintos: algunos se repetirán</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</source>
        <translation>
            <numerusform>Solo %Ln ejercicio distinto cumple estos ajustes y reglas, así que se repetirá. ¿Hacer la ficha de todos modos?</numerusform>
            <numerusform>Solo %Ln ejercicios distintos cumplen estos ajustes y reglas, así que algunos se repetirán. ¿Hacer la ficha de todos modos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</source>
        <translation>
            <numerusform>Solo %Ln ejercicio distinto cumple estos ajustes y reglas, así que se repetirá; las fichas se hacen de todos modos.</numerusform>
            <numerusform>Solo %Ln ejercicios distintos cumplen estos ajustes y reglas, así que algunos se repetirán; las fichas se hacen de todos modos.</numerusform>
        </translation>
    </message>
    <message>
        <source>more than a billion billion different problems</source>
        <translation>más de un trillón de ejercicios distintos</translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRulesDialog</name>
    <message>
        <source>Problem Rules</source>
        <translation>Reglas de los ejercicios</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Sin ejercicios &amp;triviales</translation>
    </message>
    <message>
        <source>Leaves out problems that give their answer away: times 1, divided by 1 or by itself, minus itself.</source>
        <translation>Omite los ejercicios que delatan su resultado: por 1, entre 1 o entre sí mismo, menos sí mismo.</translation>
    </message>
    <message>
        <source>&amp;Fixed number:</source>
        <translation>Número &amp;fijo:</translation>
    </message>
    <message>
        <source>The second number of + and *, the number taken away in -, the divisor in a division; the other number comes from the range.</source>
        <translation>El segundo número de + y *, el número que se resta en -, el divisor en una división; el otro número sale del rango.</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Número fijo</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitidas</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>&amp;Carrying and borrowing:</source>
        <translation>&amp;Llevadas:</translation>
    </message>
    <message>
        <source>No &amp;repeats on a sheet</source>
        <translation>Sin &amp;repeticiones en una ficha</translation>
    </message>
    <message>
        <source>With the main window&apos;s settings:</source>
        <translation>Con los ajustes de la ventana principal:</translation>
    </message>
    <message>
        <source>The numbers in the main window cannot make a worksheet, so there is nothing to count yet.</source>
        <translation>Con los números de la ventana principal no se puede hacer una ficha, así que aún no hay nada que contar.</translation>
    </message>
    <message>
        <source>View shows the page of cell numbers for these numbers, and the rules do not apply to it.</source>
        <translation>«Ver» muestra con estos números la página de números de celda, y las reglas no se aplican a ella.</translation>
    </message>
</context>
<context>
    <name>tallyworth::RuleWords</name>
    <message>
        <source>no carrying or borrowing</source>
        <translation>sin llevadas</translation>
    </message>
    <message>
        <source>carrying or borrowing in every problem</source>
        <translation>llevadas en cada ejercicio</translation>
    </message>
    <message>
        <source>no trivial facts</source>
        <translation>sin ejercicios triviales</translation>
    </message>
    <message>
        <source>fixed number %1</source>
        <translation>número fijo %1</translation>
    </message>
    <message>
        <source>no repeats</source>
        <translation>sin repeticiones</translation>
    </message>
    <message>
        <source>--fixed takes a whole number from 1 to 99, not &quot;%1&quot;.</source>
        <translation>--fixed admite un número entero de 1 a 99, no «%1».</translation>
    </message>
    <message>
        <source>--regrouping takes any, never or always, not &quot;%1&quot;.</source>
        <translation>--regrouping admite any, never o always, no «%1».</translation>
    </message>
</context>
<context>
    <name>tallyworth::Sections</name>
    <message>
        <source>operation: choose at least one of +, -, * and /.</source>
        <translation>operación: elija al menos una de +, -, * y /.</translation>
    </message>
    <message>
        <source>first: %1</source>
        <translation>primer número: %1</translation>
    </message>
    <message>
        <source>second: %1</source>
        <translation>segundo número: %1</translation>
    </message>
    <message>
        <source>problems: %1</source>
        <translation>ejercicios: %1</translation>
    </message>
    <message>
        <source>fixed: the fixed number must be between 1 and 99.</source>
        <translation>número fijo: el número fijo debe estar entre 1 y 99.</translation>
    </message>
    <message>
        <source>remainders: the share must be between 0 and 100 %.</source>
        <translation>restos: la parte debe estar entre 0 y 100 %.</translation>
    </message>
    <message>
        <source>title: at most %1 characters on one line, please.</source>
        <translation>encabezado: %1 caracteres como máximo, en una sola línea.</translation>
    </message>
    <message>
        <source>Section %1, %2</source>
        <translation>Sección %1, %2</translation>
    </message>
    <message>
        <source>A sheet holds 1 to %1 sections.</source>
        <translation>Una ficha tiene de 1 a %1 secciones.</translation>
    </message>
    <message>
        <source>The sections hold %1 problems in all, but a sheet holds at most %2.</source>
        <translation>Las secciones tienen %1 ejercicios en total, pero una ficha tiene como máximo %2.</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Missing numbers</source>
        <translation>Número que falta</translation>
    </message>
    <message>
        <source>Division from the times tables</source>
        <translation>División de las tablas</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>División con resto</translation>
    </message>
    <message>
        <source>%1: give the lowest and highest number from 1 to %2, the lowest first.</source>
        <translation>%1: indica el número menor y el mayor entre 1 y %2, primero el menor.</translation>
    </message>
    <message>
        <source>rules: a written section takes no-repeats and carrying, no other rule.</source>
        <translation>reglas: una sección de operaciones en columna solo admite no-repeats y carrying, ninguna otra regla.</translation>
    </message>
    <message>
        <source>carrying: only written sums and differences carry.</source>
        <translation>llevadas: solo las sumas y restas en columna llevan.</translation>
    </message>
    <message>
        <source>remainders: only a written division leaves remainders.</source>
        <translation>restos: solo una división en columna deja resto.</translation>
    </message>
    <message>
        <source>operation: a written section takes one of +, -, * and /.</source>
        <translation>operación: una sección de operaciones en columna admite una de +, -, * y /.</translation>
    </message>
    <message>
        <source>addends: a written sum adds 2 to %1 numbers; the other operations take 2.</source>
        <translation>sumandos: una suma en columna suma de 2 a %1 números; las demás operaciones admiten 2.</translation>
    </message>
    <message>
        <source>Written methods</source>
        <translation>Operaciones en columna</translation>
    </message>
</context>
<context>
    <name>tallyworth::SectionsDialog</name>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>&amp;Sections:</source>
        <translation>S&amp;ecciones:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>A&amp;ddition</source>
        <translation>&amp;Suma</translation>
    </message>
    <message>
        <source>Su&amp;btraction</source>
        <translation>&amp;Resta</translation>
    </message>
    <message>
        <source>Mu&amp;ltiplication</source>
        <translation>&amp;Multiplicación</translation>
    </message>
    <message>
        <source>Di&amp;vision</source>
        <translation>&amp;División</translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Operaciones:</translation>
    </message>
    <message>
        <source>Printed above the section&apos;s problems; none when empty.</source>
        <translation>Se imprime encima de los ejercicios de la sección; ninguno si está vacío.</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>Encabe&amp;zado:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>&amp;First number:</source>
        <translation>&amp;Primer número:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the first number. Division from the tables: the quotient. Division with remainders: the number divided.</source>
        <translation>Operaciones y número que falta: el primer número. División de las tablas: el cociente. División con resto: el dividendo.</translation>
    </message>
    <message>
        <source>Seco&amp;nd number:</source>
        <translation>Se&amp;gundo número:</translation>
    </message>
    <message>
        <source>Facts and missing numbers: the second number. Both kinds of division: the divisor.</source>
        <translation>Operaciones y número que falta: el segundo número. Ambas divisiones: el divisor.</translation>
    </message>
    <message>
        <source>&amp;Problems:</source>
        <translation>Número de e&amp;jercicios:</translation>
    </message>
    <message>
        <source>Allow ne&amp;gative results</source>
        <translation>Permitir resultad&amp;os negativos</translation>
    </message>
    <message>
        <source>The first number</source>
        <translation>El primer número</translation>
    </message>
    <message>
        <source>The second number</source>
        <translation>El segundo número</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Cualquiera de los dos</translation>
    </message>
    <message>
        <source>&amp;Missing number:</source>
        <translation>Número que &amp;falta:</translation>
    </message>
    <message>
        <source>At least this share of the section&apos;s problems leaves a remainder.</source>
        <translation>Al menos esta parte de los ejercicios de la sección deja resto.</translation>
    </message>
    <message>
        <source>Remainder s&amp;hare:</source>
        <translation>Porcentaje &amp;con resto:</translation>
    </message>
    <message>
        <source>No &amp;trivial facts</source>
        <translation>Sin ejercicios tri&amp;viales</translation>
    </message>
    <message>
        <source>Fi&amp;xed number:</source>
        <translation>&amp;Número fijo:</translation>
    </message>
    <message>
        <source>Fixed number</source>
        <translation>Número fijo</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitidas</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Carr&amp;ying and borrowing:</source>
        <translation>&amp;Llevadas:</translation>
    </message>
    <message>
        <source>No &amp;repeats</source>
        <translation>S&amp;in repeticiones</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <extracomment>The dialog&apos;s list of sections: its number, kind or title, and what its count allows.</extracomment>
        <translation>%1. %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Sheet of %n section(s) (Options &gt; Sections)</source>
        <translation>
            <numerusform>Ficha de %n sección (Opciones &gt; Secciones)</numerusform>
            <numerusform>Ficha de %n secciones (Opciones &gt; Secciones)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, lowest</source>
        <translation>%1, mínimo</translation>
    </message>
    <message>
        <source>%1, highest</source>
        <translation>%1, máximo</translation>
    </message>
    <message>
        <source>Numbers t&amp;o add:</source>
        <translation>Sumandos (de &amp;2 a 4):</translation>
    </message>
    <message>
        <source>&amp;Carrying:</source>
        <translation>&amp;Hay llevadas:</translation>
    </message>
    <message>
        <source>In any column</source>
        <translation>En cualquier columna</translation>
    </message>
    <message>
        <source>In no column</source>
        <translation>En ninguna columna</translation>
    </message>
    <message>
        <source>In one column at most</source>
        <translation>Como mucho en una columna</translation>
    </message>
    <message>
        <source>How many numbers a written sum adds, one under the other.</source>
        <translation>Cuántos números suma una suma en columna, uno debajo de otro.</translation>
    </message>
    <message>
        <source>Where a written sum carries or a written difference borrows.</source>
        <translation>Dónde lleva una suma o una resta en columna.</translation>
    </message>
</context>
<context>
    <name>tallyworth::Serve</name>
    <message>
        <source>As usually taught</source>
        <translation>Como se enseña habitualmente</translation>
    </message>
    <message>
        <source>Different problems under these rules: %1</source>
        <translation>Problemas distintos con estas reglas: %1</translation>
    </message>
    <message>
        <source>Make the worksheets</source>
        <translation>Crear las fichas</translation>
    </message>
    <message>
        <source>Bring back a sheet</source>
        <translation>Recuperar una ficha</translation>
    </message>
    <message>
        <source>Make its sheets again</source>
        <translation>Volver a crear sus fichas</translation>
    </message>
    <message>
        <source>There is no setting &quot;%1&quot;.</source>
        <translation>No existe el ajuste «%1».</translation>
    </message>
    <message>
        <source>Many class sets are being made just now: try again in a moment.</source>
        <translation>Ahora mismo se están creando muchos juegos de fichas: inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Show the sheets as text</source>
        <translation>Mostrar las fichas como texto</translation>
    </message>
    <message>
        <source>--listen takes ADDRESS:PORT, such as 127.0.0.1:8470 or [::1]:8470, not &quot;%1&quot;.</source>
        <translation>--listen admite DIRECCIÓN:PUERTO, como 127.0.0.1:8470 o [::1]:8470, no «%1».</translation>
    </message>
    <message>
        <source>--listen: the port of &quot;%1&quot; is not a number from 0 to 65535.</source>
        <translation>--listen: el puerto de «%1» no es un número de 0 a 65535.</translation>
    </message>
    <message>
        <source>--listen: the host of &quot;%1&quot; is not an IP address nor localhost.</source>
        <translation>--listen: el equipo de «%1» no es una dirección IP ni localhost.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: another program uses that port.</source>
        <translation>No se pudo escuchar en «%1»: otro programa usa ese puerto.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: that address is not one of this machine&apos;s.</source>
        <translation>No se pudo escuchar en «%1»: esa dirección no es de este equipo.</translation>
    </message>
    <message>
        <source>Could not listen on &quot;%1&quot;: %2.</source>
        <translation>No se pudo escuchar en «%1»: %2.</translation>
    </message>
    <message>
        <source>The worksheets could not be made whole. Please try again.</source>
        <translation>Las fichas no se pudieron crear completas. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Each section starts on a row of its own, with its own operations and numbers; the problem rules hold for every section.</source>
        <translation>Cada sección empieza en una fila propia, con sus propias operaciones y números; las reglas de los ejercicios valen para todas las secciones.</translation>
    </message>
    <message>
        <source>Add a section</source>
        <translation>Añadir una sección</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Sección %1</translation>
    </message>
    <message>
        <source>Remove section %1</source>
        <translation>Quitar la sección %1</translation>
    </message>
    <message>
        <source>Move section %1 up</source>
        <translation>Subir la sección %1</translation>
    </message>
    <message>
        <source>Move section %1 down</source>
        <translation>Bajar la sección %1</translation>
    </message>
    <message>
        <source>Kind of problems</source>
        <translation>Tipo de ejercicios</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Cociente</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividendo</translation>
    </message>
    <message>
        <source>Missing number</source>
        <translation>Número que falta</translation>
    </message>
    <message>
        <source>Either number</source>
        <translation>Cualquiera de los dos</translation>
    </message>
    <message>
        <source>At least how many in 100 leave a remainder</source>
        <translation>Ejercicios con resto: al menos cuántos de cada 100</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>What to practise</source>
        <translation>Qué practicar</translation>
    </message>
    <message>
        <source>This sheet&apos;s code: %1</source>
        <translation>Código de esta ficha: %1</translation>
    </message>
    <message>
        <source>New problems</source>
        <translation>Ejercicios nuevos</translation>
    </message>
    <message>
        <source>Making the worksheets…</source>
        <translation>Creando las fichas…</translation>
    </message>
    <message>
        <source>Pages received: %1</source>
        <translation>Páginas recibidas: %1</translation>
    </message>
    <message>
        <source>The worksheets are made. Their code: %1</source>
        <translation>Las fichas están creadas. Su código: %1</translation>
    </message>
    <message>
        <source>The worksheets as text</source>
        <translation>Las fichas como texto</translation>
    </message>
    <message>
        <source>Back to the worksheet&apos;s settings</source>
        <translation>Volver a los ajustes de la ficha</translation>
    </message>
    <message>
        <source>page takes the number of a page of the set, not &quot;%1&quot;.</source>
        <translation>page admite el número de una página del juego, no «%1».</translation>
    </message>
    <message>
        <source>The set has no page %1.</source>
        <translation>El juego no tiene página %1.</translation>
    </message>
    <message>
        <source>Open them to print</source>
        <translation>Abrirlas para imprimir</translation>
    </message>
    <message>
        <source>The set as it will print</source>
        <translation>El juego de fichas tal como se imprimirá</translation>
    </message>
    <message>
        <source>Page %1 of %2 of the set, code %3; the first sheet&apos;s problems follow as text.</source>
        <translation>Página %1 de %2 del juego de fichas, código %3; los problemas de la primera ficha siguen como texto.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>tallyworth::SettingsValidation</name>
    <message>
        <source>Number of Problems must be between 1 and 100.</source>
        <translation>El número de ejercicios debe estar entre 1 y 100.</translation>
    </message>
    <message>
        <source>Lowest Number must be less than Highest Number!</source>
        <translation>¡El número menor debe ser menor que el número mayor!</translation>
    </message>
    <message>
        <source>Highest Number must be between 1 and 99.</source>
        <translation>El número mayor debe estar entre 1 y 99.</translation>
    </message>
    <message>
        <source>Lowest Number must be between 1 and 99.</source>
        <translation>El número menor debe estar entre 1 y 99.</translation>
    </message>
    <message>
        <source>Lowest Number cannot equal Highest Number.</source>
        <translation>El número menor no puede ser igual al número mayor.</translation>
    </message>
    <message>
        <source>You can&apos;t divide by zero.</source>
        <translation>No se puede dividir entre cero.</translation>
    </message>
    <message>
        <source>Please check your Highest Number.</source>
        <translation>Por favor, revise el número mayor.</translation>
    </message>
    <message>
        <source>Please check your Lowest Number.</source>
        <translation>Por favor, revise el número menor.</translation>
    </message>
    <message>
        <source>Please check your Number of Problems.</source>
        <translation>Por favor, revise el número de ejercicios.</translation>
    </message>
    <message>
        <source>oops</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Please check your input.</source>
        <translation>Por favor, revise los datos introducidos.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCode</name>
    <message>
        <source>The sheet code contains &quot;%1&quot;, which no sheet code uses: please check what you typed.</source>
        <translation>El código de ficha contiene «%1», que ningún código de ficha usa: compruebe lo que ha escrito.</translation>
    </message>
    <message>
        <source>A sheet code has %1 letters and digits, but this one has %2: please check what you typed.</source>
        <translation>Un código de ficha tiene %1 letras y cifras, pero este tiene %2: compruebe lo que ha escrito.</translation>
    </message>
    <message>
        <source>The sheet code&apos;s check character does not match: please check what you typed.</source>
        <translation>El carácter de control del código de ficha no coincide: compruebe lo que ha escrito.</translation>
    </message>
    <message>
        <source>The sheet code is of version %1, which this program does not know: it may come from a newer version of the program.</source>
        <translation>El código de ficha es de la versión %1, que este programa no conoce: puede proceder de una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>The sheet code holds settings that cannot make a worksheet: %1</source>
        <translation>El código de ficha contiene ajustes con los que no se puede crear una ficha: %1</translation>
    </message>
    <message>
        <source>Operation must be one of +, -, *, %1 and Mix.</source>
        <translation>La operación debe ser +, -, *, %1 o «Mezcladas».</translation>
    </message>
    <message>
        <source>The fixed number must be between 1 and 99.</source>
        <translation>El número fijo debe estar entre 1 y 99.</translation>
    </message>
    <message>
        <source>its sections cannot be read.</source>
        <translation>sus secciones no se pueden leer.</translation>
    </message>
</context>
<context>
    <name>tallyworth::SheetCodeDialog</name>
    <message>
        <source>Open Sheet Code</source>
        <translation>Abrir código de ficha</translation>
    </message>
    <message>
        <source>Type the sheet code shown under a worksheet, or on a page of a class set: 14 letters and digits.</source>
        <translation>Escriba el código de ficha que aparece debajo de una ficha o en una página de un juego de fichas: 14 letras y cifras.</translation>
    </message>
    <message>
        <source>&amp;Sheet code:</source>
        <translation>Código de &amp;ficha:</translation>
    </message>
</context>
<context>
    <name>tallyworth::SpokenPage</name>
    <message>
        <source>%1 %2 %3 equals %4</source>
        <translation>%1 %2 %3 es igual a %4</translation>
    </message>
    <message>
        <source>%1 %2 %3 equals</source>
        <translation>%1 %2 %3 es igual a</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>resto</translation>
    </message>
</context>
</TS>

#include "ui/startup/frmHelp.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvex::ui {

namespace {

// The user manual: the toolbar, the section, the loads, the main window's
// data and results, the diagrams, files and report, and the polygon tool.
const char* const kInstrucciones = R"(
<h2 align="center">INSTRUCCIONES DE USO</h2>
<p>Korvex 2000 analiza y diseña una viga simple de concreto armado, con o sin
vuelos. Los datos se introducen en este orden: la sección de la viga, sus
cargas y las especificaciones de los materiales; después se realizan los
cálculos y se revisan los resultados, los diagramas y el informe.</p>

<h3>Barra de herramientas</h3>
<p>Los botones de la barra superior son, de izquierda a derecha:</p>
<ol>
<li><b>Nuevo</b>: pregunta si desea abrir un archivo nuevo y, si acepta, borra
todos los datos y resultados y deja el programa como al iniciarlo (la opción
<b>Alternar carga viva</b> queda marcada).</li>
<li><b>Abrir</b>: abre un proyecto guardado (archivo <i>.kvx</i>); sus datos
pasan a las ventanas y los cálculos se realizan de nuevo.</li>
<li><b>Salvar</b>: guarda el proyecto en un archivo <i>.kvx</i>. Se habilita
después de realizar los cálculos.</li>
<li><b>Imprimir</b>: abre la vista previa del informe. Se habilita después de
realizar los cálculos y se deshabilita mientras los resultados estén
desactualizados.</li>
<li><b>Cargas</b>: abre la ventana de cargas. Se habilita cuando se ha
definido la sección.</li>
<li><b>Secciones</b>: elige el tipo de sección y abre la ventana de sus
dimensiones. Está disponible mientras el recubrimiento tenga un valor
numérico.</li>
<li><b>Ayuda</b>: muestra estas instrucciones.</li>
</ol>
<p>El menú <b>Archivo</b> repite Abrir (Ctrl+O), Nuevo (Ctrl+N), Guardar e
Imprimir (Ctrl+P), tiene <b>Guardar cambios</b> (Ctrl+S: guarda en el archivo
del proyecto sin preguntar; si nunca se guardó, pide el nombre), Guardar
(Ctrl+Mayús+S: siempre pide el archivo), <b>Memoria de cálculo…</b>, los
proyectos recientes y <b>Salir</b>; el menú <b>Utilidades</b> tiene <b>Area
y Cg</b>, y el menú <b>Ayuda</b> tiene <b>Instrucciones</b> (tecla F1),
<b>Guía Rápida</b> e <b>Información</b>. F5 equivale a <b>Realizar
Cálculos</b>. En los diálogos, Intro pulsa el botón por omisión y Esc
cancela; en Datos de la Sección, Intro en el último campo pulsa Ok. Los
diálogos de archivos proponen la carpeta y el nombre del proyecto, y la
barra de estado confirma cada archivo escrito.</p>
<p>El menú <b>Edición</b> deshace (Ctrl+Z) y rehace (Ctrl+Y o Ctrl+Shift+Z)
los cambios de los datos del proyecto, uno por uno, y nombra cada paso
(<b>Deshacer «Borrar carga 3»</b>); las teclas sirven también en las
ventanas de cargas y de sección.</p>

<h3>Sección de la viga</h3>
<p>La ventana <b>Secciones Típicas</b> ofrece tres tipos: <b>Sección
rectangular</b>, <b>Sección T</b> y <b>Sección T invertida</b>. Al elegir uno
se abre <b>Datos de la Sección</b>, donde se escriben las dimensiones en
centímetros: ancho <b>b</b> y altura <b>h</b> para la rectangular; ancho y
espesor del ala (<b>bf</b>, <b>hf</b>) y ancho y altura del alma (<b>bw</b>,
<b>hw</b>) para las secciones T. La ventana calcula el área, el centro de
gravedad y el momento de inercia de la sección; al aceptar, la sección
aparece en la ventana principal y se habilita el botón Cargas.</p>

<h3>Ventana de cargas</h3>
<ul>
<li><b>L</b> es la longitud total de la viga en metros. Sin vuelos, los
apoyos están en los extremos.</li>
<li><b>Viga con Vuelos</b>: al marcarla aparecen <b>j</b> y <b>k</b>, las
distancias desde el extremo izquierdo hasta el primer y el segundo apoyo
(k debe ser mayor que j y ninguna mayor que L).</li>
<li><b>Tipo de Carga a Introducir</b>: <b>Puntual</b> (P1 en Tn a la
distancia a), <b>Distribuida</b> (de P1 a P2 en Tn/m, desde a con una
longitud b; con P1 igual a P2 es uniforme, si no varía linealmente) y
<b>Momento</b> (M en Tn.m aplicado en a). Las distancias se miden en metros
desde el extremo izquierdo de la viga.</li>
<li><b>Tipo</b> de carga: <b>Viva</b>, <b>Muerta</b> u <b>Otros</b>. Las
cargas vivas se mayoran por 1.7 y las muertas por 1.4; las de tipo Otros son
cargas ya factorizadas y se usan tal como se escriben. El peso propio de la
viga se añade solo.</li>
<li>El dibujo <b>Representación de las Cargas</b> muestra a escala la viga,
sus apoyos y las cargas ya añadidas.</li>
<li><b>Añadir</b> pasa la carga a la tabla. Para corregir una carga ya
añadida, haga doble clic en su fila de la tabla (o selecciónela y pulse
Intro): la carga vuelve a los campos y el botón pasa a decir
<b>Modificar</b> (“Reemplaza la carga seleccionada”). Al pulsarlo, los campos
se revisan igual que al añadir y la carga reemplaza a la de esa fila, en el
mismo lugar de la tabla. Esc, o elegir otro tipo de carga, deja la fila como
estaba y el botón vuelve a decir <b>Añadir</b>.</li>
<li>Con cargas en la tabla, L, j, k y <b>Viga con Vuelos</b> siguen
editables: las cargas conservan sus abscisas, y si alguna (o un apoyo)
quedaría fuera de la viga nueva, un mensaje la nombra y los campos vuelven a
la viga anterior.</li>
<li><b>Borrar</b> quita la carga
seleccionada en la tabla o, si no hay ninguna, la última;
<b>Reiniciar</b> vacía la tabla para empezar de nuevo. <b>Ok</b> acepta las
cargas y habilita <b>Realizar Cálculos</b>.</li>
<li>Consulta en un punto: escriba la abscisa <b>X</b> (m) y pulse
<b>Calcular</b>; la tabla muestra el momento Mx (Tn.m) y el cortante Qx (Tn)
justo a la izquierda y justo a la derecha del punto.</li>
</ul>

<h3>Datos de la ventana principal</h3>
<ul>
<li><b>f'c</b>: resistencia del concreto en Kgr/cm², un número mayor que 0
(por omisión 210).</li>
<li><b>fy</b>: resistencia del acero, <b>2800</b> o <b>4200</b> Kgr/cm². Si
ya hay resultados, al cambiarla se calcula de nuevo.</li>
<li><b>Recubrimiento</b>: de 1 a 10 cm (por omisión 4); se puede cambiar
después de definir la sección.</li>
<li><b>Control de Deflexiones</b>: el uso de la viga (azotea o entrepiso,
con o sin elementos no estructurales ligados), que fija la deflexión
admisible. Cada zona se compara con su propia luz: el tramo con la distancia
entre apoyos y cada vuelo con el doble de su longitud; los rótulos de
deflexión muestran la zona que gobierna y la nombran. Bajo cada uso, la
ventana muestra su límite en cada zona de la viga (“L/360 = 1.39 cm para el
tramo de 5.00 m”).</li>
<li><b>Alternar carga viva (envolvente)</b>: con la casilla marcada, el
programa prueba la carga viva en cada zona de la viga (vuelo izquierdo,
tramo, vuelo derecho) cargada o no, y diseña el acero, los estribos y la
deflexión para la peor disposición. Está marcada al iniciar el programa sin
archivo, con Nuevo y con Reiniciar; un proyecto abierto toma el valor
guardado en su archivo (un archivo guardado sin la opción la deja
desmarcada). Si ya hay resultados, al marcarla o desmarcarla se calcula de
nuevo; se guarda con el proyecto.</li>
<li><b>Diámetro de estribos</b>: 3/8" o 1/2". Vacío en un proyecto nuevo; el
primer cálculo que diseña estribos lo pregunta y lo anota aquí, y los
siguientes lo usan sin preguntar. Se guarda con el proyecto; cambiarlo
calcula de nuevo.</li>
<li><b>Recubrimiento libre (cm)</b>: distancia de la cara de la viga a los
estribos (por omisión 4), desde la que se colocan las varillas de cada cara
y se calcula el peralte real; debe ser 0 o más y menor que la mitad del
ancho del alma. El <b>Recubrimiento</b> sigue siendo la distancia al
centroide del acero supuesta para d. Se guarda con el proyecto; cambiarlo
calcula de nuevo.</li>
</ul>
<p>En <b>Posibles Varillas a Utilizar</b>, bajo la tabla, cada cara muestra
sus varillas, el peralte real y φMn frente a Mu (en rojo si no cumple). Con
<b>Elegir las varillas</b>, un diámetro y una cantidad (de 2 a 100),
<b>Aplicar</b> guarda sus varillas en el proyecto y calcula de nuevo con
ellas; desmarque y pulse Aplicar para volver a la elección del
programa.</p>

<h3>Realizar Cálculos</h3>
<p>Calcula los diagramas cada centímetro, el acero de tracción y compresión
para los momentos positivo y negativo mayores, la separación de los estribos
(con el <b>Diámetro de estribos</b>, que se pregunta solo si está vacío) y la deflexión, y la compara con la
admisible. La barra de progreso muestra el avance. Los resultados aparecen en
<b>Resultados</b>: la separación de los <b>Estribos</b> y la tabla del acero
en cm². Si la sección no es suficiente, o la viga es de gran peralte o
necesita acero en las caras laterales, el programa lo avisa.</p>
<p>Sin la opción <b>Alternar carga viva</b>, la carga viva actúa en toda la
viga a la vez. Si alguna disposición de la carga viva da un momento positivo,
un momento negativo o un cortante mayor que el de diseño (más de un 2 % y
0.01), debajo de los resultados aparece un aviso en rojo con ese valor y el
de diseño, por ejemplo “Con carga viva alternada: M(+) = 8.78 Tn.m (diseño:
3.06). Active «Alternar carga viva».” Con la opción marcada no hay aviso.</p>
<p><b>Norma de diseño</b> elige las reglas del proyecto: <b>Clásica (1.4 CM
+ 1.7 CV)</b>, la de siempre y la de todo proyecto nuevo, o <b>ACI 318-19
(1.2 CM + 1.6 CV)</b>. Con ACI 318-19 se habilita <b>Carga viva sostenida
(%)</b>, la parte de la carga viva (de 0 a 100) que actúa de forma permanente
y que la deflexión a largo plazo suma a la carga muerta; otro valor se rechaza
con un mensaje. Ambas se guardan en el proyecto y, después de un cálculo,
cambiarlas calcula de nuevo; bajo los resultados “Norma: …” dice con qué
reglas se calcularon, y el informe de una página lo dice cuando no es la
clásica.</p>
<p>Si después de calcular cambia un dato (f'c, fy escrito a mano, el
recubrimiento, la sección, las cargas o el uso de Control de Deflexiones),
los resultados quedan <b>desactualizados</b>: bajo los resultados aparece en
naranja “Resultados desactualizados: los datos cambiaron después del último
cálculo. Presione «Realizar Cálculos».”, los diagramas, el acero, los
estribos y sus valores se ven en gris, e Imprimir, <b>Imprime</b> y
<b>Guardar PDF…</b> de la vista previa y la Memoria de cálculo se
deshabilitan hasta el próximo cálculo. Guardar sigue
disponible. Si el dato vuelve al valor calculado, los resultados vuelven a
estar al día. Elegir fy en la lista, marcar la alternancia de la carga viva o
cambiar la norma de diseño o la carga viva sostenida calcula de nuevo en el
acto.</p>
<p><b>Reiniciar</b> (junto a Realizar Cálculos) borra todos los datos: la
sección, las cargas y los resultados.</p>

<h3>Varillas y diagramas</h3>
<p><b>Posibles Varillas a Utilizar</b> muestra, para cada área de acero, el
número de varillas de cuatro diámetros que la cubren.</p>
<p>En <b>Diagramas</b> se elige <b>Momento y Cortante</b> o <b>Giros y
Deformaciones</b>; los dos diagramas se dibujan a escala con sus valores
extremos. El cortante positivo se dibuja sobre el eje; el momento positivo
(que tracciona la fibra inferior) se dibuja bajo el eje y el negativo sobre
él, y las marcas (+) y (-) de cada diagrama están del lado donde se dibuja
cada signo. Al pasar el ratón sobre un diagrama, la barra de estado muestra la
abscisa y el valor en ese punto.</p>
<p>Con <b>Alternar carga viva</b>, los diagramas (cortante y momento, giros y
deflexiones) muestran además, en línea azul, las curvas superior e inferior de la
envolvente de todas las disposiciones; los círculos rojos marcan los
extremos de la envolvente donde ocurren, y la barra de estado añade la
envolvente en ese punto (“envolvente: mínimo a máximo”).</p>
<p><b>Despiece</b> (junto a Posibles Varillas a Utilizar) se habilita tras un
cálculo cuyo diseño tiene despiece y abre una ventana con el dibujo de la viga a
escala (barras con sus cortes y marcas, zonas de estribos y las secciones en los
momentos máximos) y la planilla de barras: marca, cara, función, cantidad,
diámetro, forma, abscisas de inicio y fin y longitud de cada barra, y al final
los estribos con su longitud desarrollada. Dos barras de esquina y al menos un
tercio del acero de cada cara corren de extremo a extremo; las demás se cortan
donde las que siguen resisten el momento, prolongadas máx(d, 12 db), l<sub>d</sub>
desde el momento máximo y, las superiores, máx(d, 12 db, ln/16) pasado el punto
de inflexión y l<sub>d</sub> dentro del tramo sobre el apoyo de un voladizo; un
corte en zona de tracción que no cumple la condición del cortante sigue hasta el
extremo. <b>Exportar DXF…</b> guarda el mismo
dibujo, en centímetros, para abrirlo en cualquier programa de CAD. Con despiece,
el diagrama de momento muestra además, en naranja y con la etiqueta φMn, la
resistencia de las barras presentes en cada punto: la de las barras inferiores
del lado del momento positivo y la de las superiores del lado del negativo, a la
misma escala, de modo que se ve si cubren la demanda en toda la viga.</p>

<h3>Archivos e informe</h3>
<p>Los proyectos se guardan y se abren como archivos <i>.kvx</i>. La barra
de título muestra el nombre del archivo abierto (“Korvex 2000 v1.0 -
viga.kvx”), con un asterisco (*) mientras tenga cambios sin guardar; sin
archivo muestra solo el nombre del programa.</p>
<p>Si el proyecto tiene cambios sin guardar, al cerrar el programa, con
Nuevo, con Abrir, o al abrir un proyecto reciente o soltado, el programa
pregunta “¿Desea guardar los cambios del proyecto?”: <b>Sí</b> lo guarda
(en su archivo, o con el diálogo Guardar si aún no tiene) y continúa;
<b>No</b> continúa sin guardar; <b>Cancelar</b> deja todo como estaba.</p>
<p>El menú <b>Archivo</b> lista los cinco últimos proyectos abiertos o
guardados, numerados (teclas 1 a 5). Si uno ya no existe, el programa lo
dice y lo quita de la lista.</p>
<p>Un archivo <i>.kvx</i> arrastrado y soltado sobre la ventana principal se
abre como con Abrir; si el archivo no es un proyecto válido, se muestra el
motivo y nada cambia. Otros archivos no se aceptan.</p>
<p>Imprimir abre la <b>Vista Previa</b> del informe de una página (papel
carta, 8.5 × 11 pulgadas), desde la que se imprime con el diálogo de la
impresora (solo al pulsar <b>Imprime</b> o Ctrl+P) o se guarda como PDF con
<b>Guardar PDF…</b>. <b>Página completa</b>, <b>Ancho de página</b>,
<b>Ampliar</b> (Ctrl++) y <b>Reducir</b> (Ctrl+-) cambian el tamaño de la
vista. El informe indica
“Carga viva alternada: sí” o “no”, y escribe las cargas y los resultados
con los decimales de la ventana principal.</p>
<p>Los proyectos de ejemplo (una viga rectangular, una T invertida y una T
con vuelos, y la sección en L de <b>Area y Cg</b>) se instalan con el paquete
en <i>/usr/share/doc/korvex/ejemplos</i>; ábralos con Abrir.</p>
<p><b>Memoria de cálculo…</b> (menú Archivo, disponible después de
realizar los cálculos) escribe en un PDF de varias páginas todos los pasos
del análisis y del diseño con los números del programa: los criterios de
diseño que aplica y en qué se apartan de ACI 318-99, las reacciones extremas
de cada apoyo con la carga viva alternada, la sección con las varillas
propuestas en cada cara, la parte <b>Armado y despiece</b> (las varillas que
caben con su peralte real, φMn frente a Mu, el control de fisuración, l<sub>d</sub>,
los cortes con sus artículos, las zonas de estribos, la planilla, φMn sobre el
momento y el dibujo del armado) y la deflexión de cada zona con su límite; si el
diseño falla, la memoria termina en esa comprobación y sigue con los avisos.
El informe de una página dice además la zona que gobierna la deflexión y,
sin la alternancia, el aviso de la carga viva alternada. El diálogo propone
el nombre del proyecto con la extensión <i>.pdf</i> en la última carpeta
usada; si el archivo no puede escribirse, un mensaje dice cuál y por
qué.</p>

<h3>Area y Cg</h3>
<p>En <b>Utilidades</b>, <b>Area y Cg</b> calcula el área, el centro de
gravedad (Xcg, Ycg) y la inercia Ixcg de cualquier sección poligonal.
Escriba las coordenadas X e Y de cada vértice en orden alrededor del
contorno; <b>Borrar</b> quita la última coordenada, <b>Dibujar</b> dibuja la
sección y calcula sus propiedades y <b>Reiniciar</b> empieza de nuevo.
<b>Abrir…</b> lee los vértices de un archivo de texto (un vértice «x,y» por
línea, como el de <i>korvex --poligono</i>), los dibuja y los calcula. Ctrl+Z
deshace el último cambio de la lista de vértices (un vértice, Borrar,
Reiniciar o Abrir) y Ctrl+Y lo rehace. Las coordenadas se toman en cm: el área sale en cm², el centro de gravedad en cm
y la inercia en cm⁴. Esta utilidad no cambia el proyecto.</p>
)";

// The quick guide: six steps and the notes to keep in mind.
const char* const kGuia = R"(
<h2 align="center">GUÍA RÁPIDA</h2>
<ol>
<li><b>Especificaciones técnicas y control de deflexiones.</b> Escriba f'c,
elija fy (2800 o 4200) y, con <b>Control de Deflexiones</b>, el uso de la
viga. El recubrimiento (4 cm por omisión) puede cambiarse una vez definida
la sección.</li>
<li><b>Elija la sección.</b> Pulse <b>Secciones</b> en la barra y elija
rectangular, T o T invertida.</li>
<li><b>Introduzca los datos de la sección.</b> Escriba sus dimensiones en cm
y acepte.</li>
<li><b>Introduzca las cargas.</b> Pulse <b>Cargas</b>, escriba la longitud
(y j, k si la viga tiene vuelos), añada cada carga con su tipo y categoría y
pulse <b>Ok</b>.</li>
<li><b>Calcule.</b> Pulse <b>Realizar Cálculos</b> y, la primera vez,
responda el diámetro de los estribos. Lea el acero, los estribos y las varillas posibles.</li>
<li><b>Vea giros y deformaciones.</b> En <b>Diagramas</b> elija <b>Giros y
Deformaciones</b> para ver la rotación y la deflexión de la viga.</li>
</ol>
<h3>Notas importantes</h3>
<ul>
<li>Se necesita un ratón para usar la barra de herramientas; sus órdenes
también tienen teclas: Ctrl+N nuevo, Ctrl+O abrir, Ctrl+S guardar, Ctrl+Mayús+S
guardar como, Ctrl+P imprimir, F5 calcular, F1 instrucciones.</li>
<li><b>Reiniciar</b> en la ventana principal borra todo: sección, cargas y
resultados.</li>
<li>El informe está preparado para papel carta de 8.5 × 11 pulgadas; también
puede guardarse como PDF.</li>
<li>Guardar, imprimir y la memoria de cálculo solo están disponibles
después de realizar los cálculos. Si cambia un dato después, los resultados
se ven en gris como desactualizados e imprimir y la memoria esperan al
próximo cálculo; guardar sigue disponible.</li>
<li><b>Alternar carga viva (envolvente)</b> está marcada en un proyecto nuevo:
el diseño usa la peor disposición de la carga viva. Un proyecto abierto toma
el valor de su archivo; sin la opción, un aviso rojo bajo los resultados
dice cuándo importa.</li>
<li>Los cinco últimos proyectos están en el menú <b>Archivo</b>; también
puede soltar un archivo <i>.kvx</i> sobre la ventana. Un asterisco en el
título indica cambios sin guardar.</li>
<li>Una carga de la tabla se corrige con doble clic en su fila:
<b>Modificar</b> la reemplaza, Esc cancela.</li>
<li>Todo cambio de datos se deshace con Ctrl+Z (menú <b>Edición</b>) y se
rehace con Ctrl+Y, sin recalcular: los resultados quedan desactualizados
hasta el próximo cálculo, salvo que los datos vuelvan a los calculados. Nuevo
y Abrir vacían el historial; en un campo que se está escribiendo, Ctrl+Z
deshace su texto.</li>
<li>El peso propio de la viga se añade automáticamente a las cargas.</li>
<li>La categoría <b>Otros</b> es para cargas ya factorizadas: no se mayoran
de nuevo.</li>
</ul>
)";

}  // namespace

VentanaTexto::VentanaTexto(const char* nombre, const QString& titulo, const QString& html,
                           QWidget* padre)
    : QWidget(padre) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setOpenLinks(false);
    RichTextBox1->setHtml(html);
    // The box fills the window and follows its size.
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addWidget(RichTextBox1);
}

frmHelp::frmHelp(QWidget* padre)
    : VentanaTexto("frmHelp", "Instrucciones de Korvex 2000", kInstrucciones, padre) {
    resize(640, 560);
}

frmHelp2::frmHelp2(QWidget* padre) : VentanaTexto("frmHelp2", "Guía Rápida", kGuia, padre) {
    resize(560, 480);
}

}  // namespace korvex::ui

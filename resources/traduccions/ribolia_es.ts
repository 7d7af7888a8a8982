<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca_ES">
<context>
    <name>Botons</name>
    <message>
        <location filename="../../src/platform/Botons.cpp" line="+50"/>
        <source>&amp;Adenina</source>
        <translation>&amp;Adenina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guanina</source>
        <translation>&amp;Guanina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Citosina</source>
        <translation>&amp;Citosina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Timina</source>
        <translation>&amp;Timina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Uracil</source>
        <translation>&amp;Uracilo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extrem 5&apos;</source>
        <translation>Extremo 5&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem 3&apos;</source>
        <translation>Extremo 3&apos;</translation>
    </message>
</context>
<context>
    <name>Cella</name>
    <message>
        <location filename="../../src/platform/Cella.cpp" line="+10"/>
        <source>buida</source>
        <translation>vacía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, triada</source>
        <translation>, elegida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, donada</source>
        <translation>, dada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, errònia</source>
        <translation>, errónea</translation>
    </message>
</context>
<context>
    <name>ComunsLab</name>
    <message>
        <location filename="../../src/lab/ComunsLab.cpp" line="+40"/>
        <source>Provetes</source>
        <translation>Probetas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Caixa</source>
        <translation>Caja</translation>
    </message>
</context>
<context>
    <name>ControlsExperiment</name>
    <message>
        <location filename="../../src/experiments/ControlsExperiment.cpp" line="+52"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>RNA aleatori amb: %1</source>
        <translation>ARN aleatorio con: %1</translation>
    </message>
</context>
<context>
    <name>Dialegs</name>
    <message>
        <location filename="../../src/platform/Dialegs.cpp" line="+35"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desar</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No desar</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sí</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Ja hi ha un fitxer que es diu «%1».
Vols substituir-lo?</source>
        <translation>Ya hay un archivo que se llama «%1».
¿Quieres sustituirlo?</translation>
    </message>
</context>
<context>
    <name>DibuixosRibosoma</name>
    <message>
        <location filename="../../src/platform/DibuixosRibosoma.cpp" line="+120"/>
        <source>Subunitat gran</source>
        <translation>Subunidad grande</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Subunitat petita</source>
        <translation>Subunidad pequeña</translation>
    </message>
</context>
<context>
    <name>FitxerRecerca</name>
    <message>
        <location filename="../../src/platform/FitxerRecerca.cpp" line="+29"/>
        <source>No s&apos;ha pogut desar la recerca al fitxer «%1».
%2.
Si ja hi havia un fitxer amb aquest nom, no s&apos;ha tocat.</source>
        <translation>No se ha podido guardar la investigación en el archivo «%1».
%2.
Si ya había un archivo con este nombre, no se ha tocado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No s&apos;ha pogut obrir la recerca del fitxer «%1».
%2.
La recerca que tenies no ha canviat.</source>
        <translation>No se ha podido abrir la investigación del archivo «%1».
%2.
La investigación que tenías no ha cambiado.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aquest fitxer no és una recerca de Ribolia, o bé està malmès:
«%1»
Detall: %2.
La recerca que tenies no ha canviat.</source>
        <translation>Este archivo no es una investigación de Ribolia, o bien está dañado:
«%1»
Detalle: %2.
La investigación que tenías no ha cambiado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>El sistema diu: %1</source>
        <translation>El sistema dice: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aquest nom és el d&apos;una carpeta</source>
        <translation>Este nombre es el de una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La carpeta «%1» no existeix</source>
        <translation>La carpeta «%1» no existe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» no és una carpeta</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>El fitxer és només de lectura</source>
        <translation>El archivo es de solo lectura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No es pot escriure a la carpeta «%1»</source>
        <translation>No se puede escribir en la carpeta «%1»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El fitxer no existeix</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aquest nom és el d&apos;una carpeta, no el d&apos;un fitxer</source>
        <translation>Este nombre es el de una carpeta, no el de un archivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No tens permís per llegir-lo</source>
        <translation>No tienes permiso para leerlo</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No s&apos;ha pogut escriure sencera. %1</source>
        <translation>No se ha podido escribir entera. %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut acabar d&apos;escriure. %1</source>
        <translation>No se ha podido terminar de escribir. %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No s&apos;ha pogut llegir. %1</source>
        <translation>No se ha podido leer. %1</translation>
    </message>
</context>
<context>
    <name>Impressio</name>
    <message>
        <location filename="../../src/platform/Impressio.cpp" line="+201"/>
        <source>No s&apos;ha pogut imprimir.</source>
        <translation>No se ha podido imprimir.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No hi ha cap impressora: desa-ho com a PDF</source>
        <translation>No hay ninguna impresora: guárdalo como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documents PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No hi ha cap impressora. S&apos;ha desat com a PDF a:
%1</source>
        <translation>No hay ninguna impresora. Se ha guardado como PDF en:
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut desar el PDF a:
%1</source>
        <translation>No se ha podido guardar el PDF en:
%1</translation>
    </message>
</context>
<context>
    <name>Informe</name>
    <message>
        <location filename="../../src/platform/Informe.cpp" line="+45"/>
        <source>&lt;h2&gt;Dades de la recerca&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Datos de la investigación&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gènere</source>
        <translation>Género</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Masculí</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Femení</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nivell educatiu</source>
        <translation>Nivel educativo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Simulació</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Joc de recerca amb pressupost</source>
        <translation>Juego de investigación con presupuesto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Investigar codi genètic</source>
        <translation>Investigar código genético</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi genètic amagat</source>
        <translation>Código genético oculto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aleatori</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Provetes</source>
        <translation>Probetas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;h2&gt;Experiments&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Experimentos&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;Encara no s&apos;ha fet cap experiment.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todavía no se ha hecho ningún experimento.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;thead&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;&lt;th&gt;Núm.&lt;/th&gt;&lt;th&gt;RNA i resultats&lt;/th&gt;&lt;th&gt;Conclusions&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;</source>
        <translation>&lt;thead&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;&lt;th&gt;Núm.&lt;/th&gt;&lt;th&gt;ARN y resultados&lt;/th&gt;&lt;th&gt;Conclusiones&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;br&gt;&lt;i&gt;Cap resultat.&lt;/i&gt;</source>
        <translation>&lt;br&gt;&lt;i&gt;Ningún resultado.&lt;/i&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copolímer a l&apos;atzar</source>
        <translation>Copolímero al azar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RNA sintètic</source>
        <translation>ARN sintético</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aminoàcids presents:</source>
        <translation>Aminoácidos presentes:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polipèptids:</source>
        <translation>Polipéptidos:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;Els experiments a partir del %1 no queden registrats.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Los experimentos a partir del %1 no quedan registrados.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;h2&gt;Taula del codi publicada&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Tabla del código publicada&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;thead&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;? : significat encara no publicat.&lt;/td&gt;&lt;/tr&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;</source>
        <translation>&lt;thead&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;? : significado todavía no publicado.&lt;/td&gt;&lt;/tr&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Codons publicats: %1 de 64. Experiments fets: %2.</source>
        <translation>Codones publicados: %1 de 64. Experimentos hechos: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;body { font-size: 9pt; } h1 { font-size: 15pt; margin: 0 0 4px 0; } h2 { font-size: 11pt; margin: 10px 0 4px 0; } p { margin: 2px 0; }&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Informe de la recerca&lt;/h1&gt;&lt;p&gt;%1. &lt;b&gt;%2&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;body { font-size: 9pt; } h1 { font-size: 15pt; margin: 0 0 4px 0; } h2 { font-size: 11pt; margin: 10px 0 4px 0; } p { margin: 2px 0; }&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Informe de la investigación&lt;/h1&gt;&lt;p&gt;%1. &lt;b&gt;%2&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Informe de la recerca de %1</source>
        <translation>Informe de la investigación de %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Informe de la recerca.pdf</source>
        <translation>Informe de la investigación.pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Informe de %1</source>
        <translation>Informe de %1</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <location filename="../../src/platform/TextosModel.cpp" line="+11"/>
        <source>Gener</source>
        <translation>Enero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Febrer</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Març</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abril</source>
        <translation>Abril</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maig</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juny</source>
        <translation>Junio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juliol</source>
        <translation>Julio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Agost</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setembre</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Octubre</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Novembre</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desembre</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aturada</source>
        <translation>Parada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glicina</source>
        <translation>Glicina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alanina</source>
        <translation>Alanina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valina</source>
        <translation>Valina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leucina</source>
        <translation>Leucina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Isoleucina</source>
        <translation>Isoleucina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prolina</source>
        <translation>Prolina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenilalanina</source>
        <translation>Fenilalanina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triptòfan</source>
        <translation>Triptófano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metionina</source>
        <translation>Metionina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serina</source>
        <translation>Serina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treonina</source>
        <translation>Treonina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cisteïna</source>
        <translation>Cisteína</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tirosina</source>
        <translation>Tirosina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asparagina</source>
        <translation>Asparagina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glutamina</source>
        <translation>Glutamina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspartat</source>
        <translation>Aspartato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glutamat</source>
        <translation>Glutamato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lisina</source>
        <translation>Lisina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arginina</source>
        <translation>Arginina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Histidina</source>
        <translation>Histidina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MRC, Laboratori de Biologia Molecular de Cambridge</source>
        <translation>MRC, Laboratorio de Biología Molecular de Cambridge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MIT, Institut de Tecnologia de Massachussets, Cambridge, USA</source>
        <translation>MIT, Instituto de Tecnología de Massachusetts, Cambridge, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NIH, National Institutes of Health, Bethesda, USA</source>
        <translation>NIH, National Institutes of Health, Bethesda, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>University of Wisconsin, Madison, USA</source>
        <translation>University of Wisconsin, Madison, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New York University Medical School</source>
        <translation>New York University Medical School</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cold Spring Harbor Laboratory, USA</source>
        <translation>Cold Spring Harbor Laboratory, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut Corvell, París</source>
        <translation>Instituto Corvell, París</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tesmond University, USA</source>
        <translation>Tesmond University, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilo Drema Institute, Germany</source>
        <translation>Ilo Drema Institute, Alemania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brisall University, USA</source>
        <translation>Brisall University, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oden University, USA</source>
        <translation>Oden University, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institute of Genetics, University of Cologne, Germany</source>
        <translation>Instituto de Genética, Universidad de Colonia, Alemania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Biologia, Universitat de Barcelona</source>
        <translation>Facultad de Biología, Universidad de Barcelona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultad de Biología, Universidad Complutense de Madrid</source>
        <translation>Facultad de Biología, Universidad Complutense de Madrid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Ciències, Universitat de Ginebra</source>
        <translation>Facultad de Ciencias, Universidad de Ginebra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Biologia, Universitat de Roma</source>
        <translation>Facultad de Biología, Universidad de Roma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Ciències, Universitat de Bruseles</source>
        <translation>Facultad de Ciencias, Universidad de Bruselas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Michigan State University, USA</source>
        <translation>Michigan State University, EE. UU.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instituto de investigaciones filosóficas &quot;Invicto Caudillo&quot;, Salamanca</source>
        <translation>Instituto de investigaciones filosóficas &quot;Invicto Caudillo&quot;, Salamanca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Centre d&apos;investigació genètica &quot;Vorkan&quot;, Moscú</source>
        <translation>Centro de investigación genética &quot;Vorkan&quot;, Moscú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut &quot;Zuk&quot; per al canvi de la realitat, Pekín</source>
        <translation>Instituto &quot;Zuk&quot; para el cambio de la realidad, Pekín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori &quot;Bardel&quot;, Nicaragua</source>
        <translation>Laboratorio &quot;Bardel&quot;, Nicaragua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut Nacional de Ciències &quot;Ortensa Belvanir&quot;, Lisboa</source>
        <translation>Instituto Nacional de Ciencias &quot;Ortensa Belvanir&quot;, Lisboa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Tecnologia de la Universitat &quot;Varnelosk&quot;, Bucarest</source>
        <translation>Facultad de Tecnología de la Universidad &quot;Varnelosk&quot;, Bucarest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre per al desenvolupament del creacionisme científic, Luisiana</source>
        <translation>Centro para el desarrollo del creacionismo científico, Luisiana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Institut eugenèsic, Georgia</source>
        <translation>Instituto eugenésico, Georgia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori de genètica de les races, Ciutat del Cap</source>
        <translation>Laboratorio de genética de las razas, Ciudad del Cabo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre d&apos;integrisme religiós, Sudan</source>
        <translation>Centro de integrismo religioso, Sudán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut per a l&apos;estudi científic de la Bíblia, Alabama</source>
        <translation>Instituto para el estudio científico de la Biblia, Alabama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori de guerra biològica, Damasc</source>
        <translation>Laboratorio de guerra biológica, Damasco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Escherichia coli</source>
        <translation>Escherichia coli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Azotobacter vinelandii</source>
        <translation>Azotobacter vinelandii</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Virus bacteriòfags</source>
        <translation>Virus bacteriófagos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aparells bàsics</source>
        <translation>Aparatos básicos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoclau</source>
        <translation>Autoclave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columnes de cromatografia</source>
        <translation>Columnas de cromatografía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recipients d&apos;electroforesi</source>
        <translation>Cubetas de electroforesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homogenitzador</source>
        <translation>Homogeneizador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estufa de cultius</source>
        <translation>Estufa de cultivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Espectròmetre de llum ultraviolada</source>
        <translation>Espectrómetro de luz ultravioleta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comptador de radiactivitat</source>
        <translation>Contador de radiactividad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultracentrífuga</source>
        <translation>Ultracentrífuga</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reactius bàsics</source>
        <translation>Reactivos básicos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nucleòtids</source>
        <translation>Nucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nucleòtids radiactius</source>
        <translation>Nucleótidos radiactivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATP</source>
        <translation>ATP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aminoàcids radiactius</source>
        <translation>Aminoácidos radiactivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brou nutritiu</source>
        <translation>Caldo nutritivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enzims proteolítics</source>
        <translation>Enzimas proteolíticas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tècniques bàsiques</source>
        <translation>Técnicas básicas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esterilització</source>
        <translation>Esterilización</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cromatografia</source>
        <translation>Cromatografía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Electroforesi</source>
        <translation>Electroforesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homogenització de cèl.lules</source>
        <translation>Homogeneización de células</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cultiu de bacteris</source>
        <translation>Cultivo de bacterias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seqüenciació de polipèptids</source>
        <translation>Secuenciación de polipéptidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament d&apos;enzims de restricció</source>
        <translation>Aislamiento de enzimas de restricción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sistema traductor sense cèl.lules</source>
        <translation>Sistema traductor sin células</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament de polinucleòtid fosforilasa</source>
        <translation>Aislamiento de polinucleótido fosforilasa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cultiu de virus</source>
        <translation>Cultivo de virus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament d&apos;RNAt</source>
        <translation>Aislamiento de ARNt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament de ribosomes</source>
        <translation>Aislamiento de ribosomas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seqüenciació d&apos;RNA</source>
        <translation>Secuenciación de ARN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aillament d&apos;un RNA víric</source>
        <translation>Aislamiento de un ARN vírico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polimerització de nucleòtids</source>
        <translation>Polimerización de nucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA víric</source>
        <translation>Traducción de un ARN vírico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA polímer</source>
        <translation>Traducción de un ARN polímero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copolímers a l&apos;atzar</source>
        <translation>Copolímeros al azar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de dinucleòtids</source>
        <translation>Formación de dinucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de copolímers</source>
        <translation>Traducción de copolímeros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de dinucleòtids</source>
        <translation>Traducción de polímeros de dinucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de trinucleòtids</source>
        <translation>Formación de trinucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduccio de polímers de trinucleòtids</source>
        <translation>Traducción de polímeros de trinucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de tetranucleòtids</source>
        <translation>Formación de tetranucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acoblament de trinucleòtids amb RNAt</source>
        <translation>Acoplamiento de trinucleótidos con ARNt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de tetranucleòtids</source>
        <translation>Traducción de polímeros de tetranucleótidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Traducció de polímers d&apos;un nucleòtid</source>
        <translation>Traducción de polímeros de un nucleótido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de copolímers a l&apos;atzar</source>
        <translation>Traducción de copolímeros al azar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de trinucleòtids</source>
        <translation>Traducción de polímeros de trinucleótidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA víric seqüenciat</source>
        <translation>Traducción de un ARN vírico secuenciado</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>El significat amagat del codó %1 val %2, i ha de ser entre 0 i 20</source>
        <translation>El significado oculto del codón %1 vale %2, y debe estar entre 0 y 20</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El significat publicat del codó %1 val %2, i ha de ser entre 0 i 21</source>
        <translation>El significado publicado del codón %1 vale %2, y debe estar entre 0 y 21</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El significat publicat del codó %1 (%2) no és el del codi amagat (%3)</source>
        <translation>El significado publicado del codón %1 (%2) no es el del código oculto (%3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El polímer de l&apos;experiment %1 diu que té %2 lletres, i n&apos;hi caben %3</source>
        <translation>El polímero del experimento %1 dice que tiene %2 letras, y caben %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El tipus de l&apos;experiment %1 val %2, i només pot ser 0 (polímer sintètic) o 1 (copolímer)</source>
        <translation>El tipo del experimento %1 vale %2, y solo puede ser 0 (polímero sintético) o 1 (copolímero)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La tècnica en curs val %1, i ha de ser entre 0 (cap) i 27</source>
        <translation>La técnica en curso vale %1, y debe estar entre 0 (ninguna) y 27</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La tècnica acabada val %1, i ha de ser entre 0 (cap) i 27</source>
        <translation>La técnica terminada vale %1, y debe estar entre 0 (ninguna) y 27</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nivell de la tècnica %1 val %2, i només pot ser 1 o 2</source>
        <translation>El nivel de la técnica %1 vale %2, y solo puede ser 1 o 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El mes val %1, i ha de ser entre 1 i 12</source>
        <translation>El mes vale %1, y debe estar entre 1 y 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La llargada màxima dels oligonucleòtids val %1, i ha de ser entre 1 i 4</source>
        <translation>La longitud máxima de los oligonucleótidos vale %1, y debe estar entre 1 y 4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El tipus de codi val %1, i només pot ser 0 o 1</source>
        <translation>El tipo de código vale %1, y solo puede ser 0 o 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El tipus de simulació val %1, i només pot ser 0, 1 o 2</source>
        <translation>El tipo de simulación vale %1, y solo puede ser 0, 1 o 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nom diu que té %1 lletres, i n&apos;hi caben %2</source>
        <translation>El nombre dice que tiene %1 letras, y caben %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nivell educatiu val %1, i només pot ser 0, 1 o 2</source>
        <translation>El nivel educativo vale %1, y solo puede ser 0, 1 o 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El centre de recerca val %1, i ha de ser entre 0 i 4</source>
        <translation>El centro de investigación vale %1, y debe estar entre 0 y 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&apos;oferta del centre val %1, i ha de ser entre 0 i 5</source>
        <translation>La oferta del centro vale %1, y debe estar entre 0 y 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El fitxer és massa curt: té %1 bytes, i una recerca en té %2</source>
        <translation>El archivo es demasiado corto: tiene %1 bytes, y una investigación tiene %2</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>El teu RNA segurament no funcionarà bé.</source>
        <translation>Tu ARN seguramente no funcionará bien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Si no és ben reparat, això produirà una mutació.</source>
        <translation>Si no se repara bien, esto producirá una mutación.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El teu RNA és inservible! Repassa la transcripció!</source>
        <translation>¡Tu ARN es inservible! ¡Repasa la transcripción!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La cèl·lula que rebi aquest DNA ho té clar! Repassa la replicació!</source>
        <translation>¡La célula que reciba este ADN lo lleva claro! ¡Repasa la replicación!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Així ho fan normalment les teves cèl·lules!</source>
        <translation>¡Así lo hacen normalmente tus células!</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Així ho fan normalment les teves cèl·lules! (els errors són teus)</source>
        <translation>¡Así lo hacen normalmente tus células! (los errores son tuyos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, domines la replicació.</source>
        <translation>Has conseguido hacer un buen ADN, dominas la replicación.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, domines la transcripció.</source>
        <translation>Has conseguido hacer un buen ARN, dominas la transcripción.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, però has de concentrar-te més.</source>
        <translation>Has conseguido hacer un buen ADN, pero tienes que concentrarte más.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, però has de concentrar-te més.</source>
        <translation>Has conseguido hacer un buen ARN, pero tienes que concentrarte más.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, però amb una actuació lamentable!</source>
        <translation>Has conseguido hacer un buen ADN, ¡pero con una actuación lamentable!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, però amb una actuació lamentable!</source>
        <translation>Has conseguido hacer un buen ARN, ¡pero con una actuación lamentable!</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>La RNA polimerasa va afegint ribonucleòtids en sentit 5&apos;-&gt;3&apos;.</source>
        <translation>La ARN polimerasa va añadiendo ribonucleótidos en sentido 5&apos;-&gt;3&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5&apos;-&gt;3&apos;.</source>
        <translation>La ADN polimerasa va añadiendo desoxirribonucleótidos en sentido 5&apos;-&gt;3&apos;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La DNA polimerasa hidrolitza els nucleòtids erronis.</source>
        <translation>La ADN polimerasa hidroliza los nucleótidos erróneos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comença la nova cadena per l&apos;extrem 5&apos;.</source>
        <translation>Empieza la nueva cadena por el extremo 5&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I acaba deixant lliure l&apos;extrem 3&apos;.</source>
        <translation>Y termina dejando libre el extremo 3&apos;.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Davant Adenina hi posa Timina.</source>
        <translation>Frente a la Adenina pone Timina.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Adenina hi posa Uracil.</source>
        <translation>Frente a la Adenina pone Uracilo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Guanina hi posa Citosina.</source>
        <translation>Frente a la Guanina pone Citosina.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Citosina hi posa Guanina.</source>
        <translation>Frente a la Citosina pone Guanina.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Timina hi posa Adenina.</source>
        <translation>Frente a la Timina pone Adenina.</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Introdueix l&apos;anticodó de l&apos;RNAt.</source>
        <translation>Introduce el anticodón del ARNt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Introdueix l&apos;aminoàcid que s&apos;incorporarà.</source>
        <translation>Introduce el aminoácido que se incorporará.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Fi</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gly</source>
        <translation>Gly</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ala</source>
        <translation>Ala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Val</source>
        <translation>Val</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leu</source>
        <translation>Leu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ile</source>
        <translation>Ile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phe</source>
        <translation>Phe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trp</source>
        <translation>Trp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Met</source>
        <translation>Met</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ser</source>
        <translation>Ser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thr</source>
        <translation>Thr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cys</source>
        <translation>Cys</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tyr</source>
        <translation>Tyr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asn</source>
        <translation>Asn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gln</source>
        <translation>Gln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asp</source>
        <translation>Asp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glu</source>
        <translation>Glu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lys</source>
        <translation>Lys</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arg</source>
        <translation>Arg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>His</source>
        <translation>His</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Fase d&apos;iniciació</source>
        <translation>Fase de iniciación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fase d&apos;elongació</source>
        <translation>Fase de elongación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fase de finalització</source>
        <translation>Fase de terminación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final de la síntesi de proteïnes</source>
        <translation>Final de la síntesis de proteínas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Molt bé!!</source>
        <translation>¡¡Muy bien!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho has fet bastant bé.</source>
        <translation>Lo has hecho bastante bien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has d&apos;estudiar i practicar més.</source>
        <translation>Tienes que estudiar y practicar más.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Una actuació lamentable!</source>
        <translation>¡Una actuación lamentable!</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../../src/mainwindow/About.cpp" line="+21"/>
        <source>Sobre Ribolia...</source>
        <translation>Acerca de Ribolia...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Versió 1.0.</source>
        <translation>Versión 1.0.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programa educatiu fet per l&apos;equip de Ribolia.</source>
        <translation>Programa educativo hecho por el equipo de Ribolia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Barcelona, desembre de 2026.</source>
        <translation>Barcelona, diciembre de 2026.</translation>
    </message>
</context>
<context>
    <name>TFAjuda</name>
    <message>
        <location filename="../../src/platform/Ajuda.cpp" line="+59"/>
        <source>Ajuda de Ribolia</source>
        <translation>Ayuda de Ribolia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Text de l&apos;ajuda</source>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Í&amp;ndex</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Enrere</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No s&apos;ha pogut obrir el fitxer d&apos;ajuda «Ribolia.hlp».</source>
        <translation>No se ha podido abrir el archivo de ayuda «Ribolia.hlp».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El fitxer d&apos;ajuda no té cap tema amb el número %1.</source>
        <translation>El archivo de ayuda no tiene ningún tema con el número %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Índex</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ajuda de Ribolia: %1</source>
        <translation>Ayuda de Ribolia: %1</translation>
    </message>
</context>
<context>
    <name>TFAssCodo</name>
    <message>
        <location filename="../../src/experiments/Asscodo.cpp" line="+33"/>
        <source>No ho sé</source>
        <translation>No lo sé</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Assignació d&apos;un codó</source>
        <translation>Asignación de un codón</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Aminoàcid corresponent al codó</source>
        <translation>Aminoácido correspondiente al codón</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Aminoàcid corresponent al codó %1</source>
        <translation>Aminoácido correspondiente al codón %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Una terrible pèrdua de prestigi!

Altres investigadors han replicat el nostre experiment i han comprovat que ens hem equivocat.</source>
        <translation>¡Una terrible pérdida de prestigio!

Otros investigadores han repetido nuestro experimento y han comprobado que nos hemos equivocado.</translation>
    </message>
</context>
<context>
    <name>TFAvisNovaTecnica</name>
    <message>
        <location filename="../../src/lab/Avisnovt.cpp" line="+37"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Desenvolupament d&apos;una nova tècnica</source>
        <translation>Desarrollo de una nueva técnica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Has aconseguit desenvolupar:</source>
        <translation>Has conseguido desarrollar:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Desenvolupament d&apos;un nou experiment</source>
        <translation>Desarrollo de un nuevo experimento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ara ja pots fer experiments de</source>
        <translation>Ya puedes hacer experimentos de</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Aquest mes la tècnica «%1» no ha avançat gens: cada proveta costa %2 i només en tenim %3. Falten %4 per pagar-ne una; els ingressos dels mesos vinents hi ajudaran.</source>
        <translation>Este mes la técnica «%1» no ha avanzado nada: cada probeta cuesta %2 y solo tenemos %3. Faltan %4 para pagar una; los ingresos de los próximos meses ayudarán.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aquest mes la tècnica «%1» no ha avançat gens: el laboratori no té provetes per treballar-hi.</source>
        <translation>Este mes la técnica «%1» no ha avanzado nada: el laboratorio no tiene probetas para trabajar en ella.</translation>
    </message>
</context>
<context>
    <name>TFClasse</name>
    <message>
        <location filename="../../src/mainwindow/Classe.cpp" line="+33"/>
        <source>Simulacions Ribolia (*.srb);;Tots els fitxers (*)</source>
        <translation>Simulaciones Ribolia (*.srb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+22"/>
        <source>Recerques de la classe</source>
        <translation>Investigaciones de la clase</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>%1. %2 recerques.</source>
        <translation>%1. %2 investigaciones.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Afegir...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Afegir una &amp;carpeta...</source>
        <translation>Añadir una &amp;carpeta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Treure</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exportar &amp;CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Informe...</source>
        <translation>I&amp;nforme...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Afegir recerques</source>
        <translation>Añadir investigaciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Afegir les recerques d&apos;una carpeta</source>
        <translation>Añadir las investigaciones de una carpeta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut llegir la carpeta «%1».</source>
        <translation>No se ha podido leer la carpeta «%1».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A la carpeta «%1» no hi ha cap recerca (.srb).</source>
        <translation>En la carpeta «%1» no hay ninguna investigación (.srb).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Exportar la taula en CSV</source>
        <translation>Exportar la tabla en CSV</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fitxers CSV (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recerques de la classe.csv</source>
        <translation>Investigaciones de la clase.csv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No s&apos;ha pogut desar la taula al fitxer «%1».
%2.</source>
        <translation>No se ha podido guardar la tabla en el archivo «%1».
%2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recerques de la classe.pdf</source>
        <translation>Investigaciones de la clase.pdf</translation>
    </message>
</context>
<context>
    <name>TFComprar</name>
    <message>
        <location filename="../../src/lab/Comprar.cpp" line="+29"/>
        <source>Comprar material, aparells o reactius</source>
        <translation>Comprar material, aparatos o reactivos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Material biològic</source>
        <translation>Material biológico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aparells</source>
        <translation>Aparatos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reactius</source>
        <translation>Reactivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TFCopolim</name>
    <message>
        <location filename="../../src/experiments/Copolim.cpp" line="+58"/>
        <source>Construcció d&apos;un RNA copolímer a l&apos;atzar</source>
        <translation>Construcción de un ARN copolímero al azar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria dos o tres nucleòtids per a construir el copolímer.</source>
        <translation>Elige dos o tres nucleótidos para construir el copolímero.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Traduir</source>
        <translation>&amp;Traducir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Un altre</source>
        <translation>&amp;Otro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nucleòtids triats</source>
        <translation>Nucleótidos elegidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adenina (A)</source>
        <translation>Adenina (A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Guanina (G)</source>
        <translation>Guanina (G)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Citosina (C)</source>
        <translation>Citosina (C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uracil (U)</source>
        <translation>Uracilo (U)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fix</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proporcions dels nucleòtids</source>
        <translation>Proporciones de los nucleótidos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Polimeritzar</source>
        <translation>&amp;Polimerizar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Freqüències...</source>
        <translation>&amp;Frecuencias...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freqüència esperada de cada triplet amb aquestes proporcions.</source>
        <translation>Frecuencia esperada de cada triplete con estas proporciones.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>RNA polímer</source>
        <translation>ARN polímero</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Augmentar %1</source>
        <translation>Aumentar %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disminuir %1</source>
        <translation>Disminuir %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fix %1</source>
        <translation>Fijo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proporció de %1</source>
        <translation>Proporción de %1</translation>
    </message>
</context>
<context>
    <name>TFDNAComplementari</name>
    <message>
        <location filename="../../src/exercises/DNAComplementari.cpp" line="+106"/>
        <source>Exercici de construcció d&apos;un DNA complementari</source>
        <translation>Ejercicio de construcción de un ADN complementario</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Posició %1 de la cadena motlle</source>
        <translation>Posición %1 de la cadena molde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Posició %1 de la cadena nova</source>
        <translation>Posición %1 de la cadena nueva</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Errors comesos: </source>
        <translation>Errores cometidos: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors a la nova cadena:</source>
        <translation>Errores en la cadena nueva:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Hidrolitzar</source>
        <translation>&amp;Hidrolizar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tornem-hi</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un altre</source>
        <translation>Otro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Demostració</source>
        <translation>Demostración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Continuar la demostració.|</source>
        <translation>Continuar la demostración.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer una pausa a la demostració.|</source>
        <translation>Hacer una pausa en la demostración.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aturar la demostració.|</source>
        <translation>Detener la demostración.|</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Exercici de replicació del DNA</source>
        <translation>Ejercicio de replicación del ADN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA original</source>
        <translation>Cadena de ADN original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA nova</source>
        <translation>Cadena de ADN nueva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNA polimerasa</source>
        <translation>ADN polimerasa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dibuix de la DNA polimerasa, al costat de la casella triada de la cadena nova</source>
        <translation>Dibujo de la ADN polimerasa, al lado de la casilla elegida de la cadena nueva</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Exercici de transcripció</source>
        <translation>Ejercicio de transcripción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA que és transcrita</source>
        <translation>Cadena de ADN que se transcribe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de RNA</source>
        <translation>Cadena de ARN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RNA polimerasa</source>
        <translation>ARN polimerasa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dibuix de l&apos;RNA polimerasa, al costat de la casella triada de la cadena d&apos;RNA</source>
        <translation>Dibujo de la ARN polimerasa, al lado de la casilla elegida de la cadena de ARN</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Errors comesos: %1</source>
        <translation>Errores cometidos: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors a la nova cadena: %1</source>
        <translation>Errores en la cadena nueva: %1</translation>
    </message>
</context>
<context>
    <name>TFDades</name>
    <message>
        <location filename="../../src/mainwindow/Dades.cpp" line="+31"/>
        <source>Entra les teves dades personals:</source>
        <translation>Escribe tus datos personales:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nom:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gènere</source>
        <translation>Género</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Femení</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Masculí</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nivell educatiu</source>
        <translation>Nivel educativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESO</source>
        <translation>ESO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Batxillerat</source>
        <translation>Bachillerato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Universitari</source>
        <translation>Universitario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TFEleccio</name>
    <message>
        <location filename="../../src/mainwindow/Eleccio.cpp" line="+28"/>
        <source>Elecció del tipus de simulació</source>
        <translation>Elección del tipo de simulación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria les opcions que vulguis:</source>
        <translation>Elige las opciones que quieras:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Simulació</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flux de la informació genètica</source>
        <translation>Flujo de la información genética</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Investigar codi genètic</source>
        <translation>Investigar código genético</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Investigar amb pressupost</source>
        <translation>Investigar con presupuesto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Codi genètic</source>
        <translation>Código genético</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Investigació</source>
        <translation>Investigación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual</source>
        <translation>Individual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Joc competitiu</source>
        <translation>Juego competitivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>TFFreqTriplets</name>
    <message>
        <location filename="../../src/experiments/Freqcopo.cpp" line="+29"/>
        <location line="+8"/>
        <source>Freqüències esperades dels triplets</source>
        <translation>Frecuencias esperadas de los tripletes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Composició</source>
        <translation>Composición</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Triplets</source>
        <translation>Tripletes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cada triplet</source>
        <translation>Cada triplete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compara-les amb la composició que dona l&apos;experiment: l&apos;aminoàcid més abundant ve dels triplets més freqüents.</source>
        <translation>Compáralas con la composición que da el experimento: el aminoácido más abundante viene de los tripletes más frecuentes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Proporcions del copolímer: %1</source>
        <translation>Proporciones del copolímero: %1</translation>
    </message>
</context>
<context>
    <name>TFInfoDesxiframent</name>
    <message>
        <location filename="../../src/experiments/InfoRB.cpp" line="+35"/>
        <source>Som a l&apos;any 1961; en els 8 anys des que James Watson i Francis Crick van 
formular el model de la doble hèlix per a l&apos;estructura del DNA, la biologia molecular 
ha fet enormes progressos:
*El mètode de Sanger permet conèixer la seqüència d&apos;aminoàcids de les proteïnes.
*Es coneixen els principals orgànuls i molècules implicats en la síntesi de proteïnes 
(ribosomes, RNA missatger i RNA de transferència).
*Sembla clar que cada codó del RNA missatger, que indica un aminoàcid, és format 
per tres nucleòtids. Hi ha, doncs, 64 codons diferents per a 20 aminoàcids.
*La polinucleòtid fosforilasa, aïllada per Severo Ochoa, permet fabricar RNA sintètics 
de composició coneguda.

Amb el desenvolupament d&apos;un sistema traductor lliure de cèl·lules, tot és a punt per a 
una increïble sèrie de descobriments que, en només 5 anys, permetran desxifrar tot el 
codi genètic.

¿Sereu capaços de contribuir a aquesta tasca apassionant?</source>
        <translation>Estamos en el año 1961; en los 8 años desde que James Watson y Francis Crick 
formularon el modelo de la doble hélice para la estructura del ADN, la biología 
molecular ha hecho enormes progresos:
*El método de Sanger permite conocer la secuencia de aminoácidos de las proteínas.
*Se conocen los principales orgánulos y moléculas que intervienen en la síntesis 
de proteínas (ribosomas, ARN mensajero y ARN de transferencia).
*Parece claro que cada codón del ARN mensajero, que indica un aminoácido, está 
formado por tres nucleótidos. Hay, por tanto, 64 codones distintos para 20 aminoácidos.
*La polinucleótido fosforilasa, aislada por Severo Ochoa, permite fabricar ARN 
sintéticos de composición conocida.

Con el desarrollo de un sistema traductor libre de células, todo está a punto para 
una increíble serie de descubrimientos que, en solo 5 años, permitirán descifrar todo 
el código genético.

¿Seréis capaces de contribuir a esta apasionante tarea?</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+7"/>
        <source>El desxiframent del codi genètic</source>
        <translation>El desciframiento del código genético</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TFInventari</name>
    <message>
        <location filename="../../src/lab/Invntari.cpp" line="+46"/>
        <source>Material biològic</source>
        <translation>Material biológico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aparells</source>
        <translation>Aparatos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reactius</source>
        <translation>Reactivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comprar...</source>
        <translation>&amp;Comprar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Inventari (%1)</source>
        <translation>Inventario (%1)</translation>
    </message>
</context>
<context>
    <name>TFNovaTecnica</name>
    <message>
        <location filename="../../src/lab/Novatecn.cpp" line="+39"/>
        <source>Quina tècnica hem de desenvolupar?</source>
        <translation>¿Qué técnica tenemos que desarrollar?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Treball de laboratori</source>
        <translation>Trabajo de laboratorio</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Permet desenvolupar:</source>
        <translation>Permite desarrollar:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Desenvolupar una nova tècnica (%1)</source>
        <translation>Desarrollar una nueva técnica (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cada mes podem fer %1</source>
        <translation>Cada mes podemos hacer %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aquest mes queden  %1</source>
        <translation>Este mes quedan  %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Avís</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Necessitem material per a</source>
        <translation>Necesitamos material para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desenvolupar noves tècniques</source>
        <translation>desarrollar técnicas nuevas</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Requereix %1</source>
        <translation>Requiere %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Costa %1$</source>
        <translation>Cuesta %1$</translation>
    </message>
</context>
<context>
    <name>TFOpcionsSintesiProteines</name>
    <message>
        <location filename="../../src/exercises/OpcSinPr.cpp" line="+25"/>
        <source>Opcions de la síntesi de proteines</source>
        <translation>Opciones de la síntesis de proteínas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Demanar</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anticodons</source>
        <translation>Anticodones</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aminoàcids</source>
        <translation>Aminoácidos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Anticodons i aminoàcids</source>
        <translation>Anticodones y aminoácidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nombre de codons a traduir</source>
        <translation>Número de codones a traducir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aleatori ( 3 -  5)</source>
        <translation>Aleatorio ( 3 -  5)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori ( 5 -10)</source>
        <translation>Aleatorio ( 5 -10)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori ( 3 -10)</source>
        <translation>Aleatorio ( 3 -10)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 codons</source>
        <translation>%1 codones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TFOpcionsTaulaResum</name>
    <message>
        <location filename="../../src/exercises/OpcTauRs.cpp" line="+32"/>
        <source>Opcions de la taula resum</source>
        <translation>Opciones de la tabla resumen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Informació inicial:</source>
        <translation>Información inicial:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA que es transcriu.</source>
        <translation>Cadena de ADN transcrita.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fragments aleatoris.</source>
        <translation>Fragmentos aleatorios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aminoàcids mostrats inicialment:</source>
        <translation>Aminoácidos mostrados al inicio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cap.</source>
        <translation>Ninguno.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>El més fàcil.</source>
        <translation>El más fácil.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Un qualsevol.</source>
        <translation>Uno cualquiera.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tots.</source>
        <translation>Todos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RNA missatger</source>
        <translation>ARN mensajero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sempre AUG inicial</source>
        <translation>Siempre AUG inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sempre STOP final</source>
        <translation>Siempre STOP final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Possibilitat STOPs interiors</source>
        <translation>Posibles STOP interiores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TFPrincipal</name>
    <message>
        <location filename="../../src/mainwindow/Rbmain.cpp" line="+110"/>
        <source>&amp;Fitxer</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a començar, acabar, obrir o desar recerques.</source>
        <translation>Órdenes para empezar, terminar, abrir o guardar investigaciones.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nova recerca...</source>
        <translation>&amp;Nueva investigación...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Començar una nova recerca.</source>
        <translation>Empezar una nueva investigación.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Obrir recerca...</source>
        <translation>&amp;Abrir investigación...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recuperar la recerca desada a un fitxer.</source>
        <translation>Recuperar la investigación guardada en un archivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desar recerca...</source>
        <translation>&amp;Guardar investigación...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Desar la recerca a un fitxer.</source>
        <translation>Guardar la investigación en un archivo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Informe de la recerca...</source>
        <translation>&amp;Informe de la investigación...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Imprimir un informe de la recerca: dades, experiments i codons publicats.</source>
        <translation>Imprimir un informe de la investigación: datos, experimentos y codones publicados.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comparar recerques...</source>
        <translation>&amp;Comparar investigaciones...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comparar les recerques desades d&apos;una classe: experiments, conclusions i codons.</source>
        <translation>Comparar las investigaciones guardadas de una clase: experimentos, conclusiones y codones.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ofertes &amp;laborals...</source>
        <translation>Ofertas &amp;laborales...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les ofertes de feina que tenim.</source>
        <translation>Ver las ofertas de trabajo que tenemos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Passar torn</source>
        <translation>&amp;Pasar turno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Passar al mes següent.</source>
        <translation>Pasar al mes siguiente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retirar-se</source>
        <translation>&amp;Retirarse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retirar-se de la investigació i acabar el programa.</source>
        <translation>Retirarse de la investigación y terminar el programa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exe&amp;rcicis</source>
        <translation>Eje&amp;rcicios</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a fer exercicis sobre replicació, transcripció i traducció.</source>
        <translation>Órdenes para hacer ejercicios sobre replicación, transcripción y traducción.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replicació del &amp;DNA...</source>
        <translation>Replicación del A&amp;DN...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de DNA, determinar la seqüència de la cadena complementària.</source>
        <translation>Dada una cadena de ADN, determinar la secuencia de la cadena complementaria.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transcripció fabricant &amp;RNA...</source>
        <translation>Transcripción fabricando A&amp;RN...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de DNA, determinar la seqüència del RNA complementari.</source>
        <translation>Dada una cadena de ADN, determinar la secuencia del ARN complementario.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció...</source>
        <translation>Traducción...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de RNAm, traduir-la fabricant la proteïna corresponent.</source>
        <translation>Dada una cadena de ARNm, traducirla fabricando la proteína correspondiente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcions traducció...</source>
        <translation>Opciones de traducción...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decidir les característiques de l&apos;RNA que es traduirà i què es demanarà.</source>
        <translation>Decidir las características del ARN que se traducirá y qué se pedirá.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Taula resum...</source>
        <translation>&amp;Tabla resumen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Omplir una taula que resumeix els processos de replicació, transcripció i traducció.</source>
        <translation>Rellenar una tabla que resume los procesos de replicación, transcripción y traducción.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Opcions taula...</source>
        <translation>&amp;Opciones de la tabla...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Canviar la forma en què la taula resum presenta la informació inicial.</source>
        <translation>Cambiar la forma en que la tabla resumen presenta la información inicial.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Bibliografia</source>
        <translation>&amp;Bibliografía</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a revisar la bibliografia científica.</source>
        <translation>Órdenes para revisar la bibliografía científica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Antecedents...</source>
        <translation>&amp;Antecedentes...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Revisar els antecedents més importants apareguts fins ara a la bibliografia científica.</source>
        <translation>Revisar los antecedentes más importantes aparecidos hasta ahora en la bibliografía científica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Novetats...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les últimes novetats aparegudes a la bilbiografia científica.</source>
        <translation>Ver las últimas novedades aparecidas en la bibliografía científica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Taula...</source>
        <translation>&amp;Tabla...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure la taula del codi genètic.</source>
        <translation>Ver la tabla del código genético.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Publicar...</source>
        <translation>&amp;Publicar...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Publicar el significat d&apos;un codó en una revista científica.</source>
        <translation>Publicar el significado de un codón en una revista científica.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Currículum...</source>
        <translation>&amp;Currículum...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure el nostre currículum vítae com a investigadors.</source>
        <translation>Ver nuestro currículum vítae como investigadores.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Laboratori</source>
        <translation>&amp;Laboratorio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a controlar el material del laboratori.</source>
        <translation>Órdenes para controlar el material del laboratorio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Inventari...</source>
        <translation>&amp;Inventario...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure tot el que hi ha al nostre laboratori.</source>
        <translation>Ver todo lo que hay en nuestro laboratorio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comprar...</source>
        <translation>&amp;Comprar...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comprar aparells per al nostre laboratori.</source>
        <translation>Comprar aparatos para nuestro laboratorio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tècniques &amp;publicades...</source>
        <translation>Técnicas &amp;publicadas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les tècniques experimentals publicades a la bibliografia científica.</source>
        <translation>Ver las técnicas experimentales publicadas en la bibliografía científica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tècniques dominades...</source>
        <translation>&amp;Técnicas dominadas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les tècniques experimentals que podem fer al nostre laboratori.</source>
        <translation>Ver las técnicas experimentales que podemos hacer en nuestro laboratorio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desenvolupar tècnica...</source>
        <translation>&amp;Desarrollar técnica...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Desenvolupar una nova tècnica experimental.</source>
        <translation>Desarrollar una nueva técnica experimental.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Experiment</source>
        <translation>&amp;Experimento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a fer experiments.</source>
        <translation>Órdenes para hacer experimentos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Traduir un RNA sintètic...</source>
        <translation>&amp;Traducir un ARN sintético...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA sintètic en un sistema lliure de cèl.lules.</source>
        <translation>Traducir un ARN sintético en un sistema libre de células.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduir un RNA aleatori...</source>
        <translation>Traducir un ARN aleatorio...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA copolímer a l&apos;atzar en un sistema lliure de cèl.lules.</source>
        <translation>Traducir un ARN copolímero al azar en un sistema libre de células.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Acoblar trinucleòtids...</source>
        <translation>&amp;Acoplar trinucleótidos...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Acoblar trinucleòtids amb ribosomes i aminoacil-t-RNA.</source>
        <translation>Acoplar trinucleótidos con ribosomas y aminoacil-ARNt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduir un RNA &amp;víric...</source>
        <translation>Traducir un ARN &amp;vírico...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA víric en un sistema lliure de cèl.lules.</source>
        <translation>Traducir un ARN vírico en un sistema libre de células.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Revisar experiments...</source>
        <translation>&amp;Revisar experimentos...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Revisar els experiments fets anteriorment.</source>
        <translation>Revisar los experimentos hechos anteriormente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per accedir al sistema d&apos;ajuda o veure la referència del programa.</source>
        <translation>Órdenes para acceder al sistema de ayuda o ver la referencia del programa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Descripció general...</source>
        <translation>Descripción general...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Descripció general del programa.</source>
        <translation>Descripción general del programa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Utilització del programa...</source>
        <translation>Uso del programa...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Com utilitzar el programa.</source>
        <translation>Cómo usar el programa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temes d&apos;ajuda...</source>
        <translation>Temas de ayuda...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Índex del sistema d&apos;ajuda.</source>
        <translation>Índice del sistema de ayuda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sobre Ribolia...</source>
        <translation>&amp;Acerca de Ribolia...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure la referència del programa.</source>
        <translation>Ver la referencia del programa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Idioma</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Triar l&apos;idioma del programa.</source>
        <translation>Elegir el idioma del programa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fer servir el programa en català.</source>
        <translation>Usar el programa en catalán.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer servir el programa en castellà.</source>
        <translation>Usar el programa en castellano.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer servir el programa en anglès.</source>
        <translation>Usar el programa en inglés.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Començar una nova recerca.|</source>
        <translation>Empezar una nueva investigación.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obrir una recerca desada a un fitxer.|</source>
        <translation>Abrir una investigación guardada en un archivo.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desar la recerca.|</source>
        <translation>Guardar la investigación.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Veure la taula del codi genètic.|</source>
        <translation>Ver la tabla del código genético.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desenvolupar una nova tècnica.|</source>
        <translation>Desarrollar una nueva técnica.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un RNA sintètic i traduir-lo.|</source>
        <translation>Fabricar un ARN sintético y traducirlo.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un RNA copolímer a l&apos;atzar i traduir-lo.|</source>
        <translation>Fabricar un ARN copolímero al azar y traducirlo.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repassar els experiments anteriors.|</source>
        <translation>Repasar los experimentos anteriores.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de replicació del DNA.|</source>
        <translation>Hacer un ejercicio de replicación del ADN.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de transcripció, fabricant RNA.|</source>
        <translation>Hacer un ejercicio de transcripción, fabricando ARN.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de traducció d&apos;un RNAm, fabricant una proteïna.|</source>
        <translation>Hacer un ejercicio de traducción de un ARNm, fabricando una proteína.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de taula resum.|</source>
        <translation>Hacer un ejercicio de tabla resumen.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passar al mes següent.|</source>
        <translation>Pasar al mes siguiente.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retirar-se de la recerca, acabant el programa.|</source>
        <translation>Retirarse de la investigación, terminando el programa.|</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Provetes</source>
        <translation>Probetas</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Vols desar-la abans de sortir?</source>
        <translation>¿Quieres guardarla antes de salir?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Vols desar-la abans de començar-ne una de nova?</source>
        <translation>¿Quieres guardarla antes de empezar una nueva?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Vols desar-la abans d&apos;obrir-ne una altra?</source>
        <translation>¿Quieres guardarla antes de abrir otra?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>L&apos;idioma canviarà el proper cop que obris el programa.</source>
        <translation>El idioma cambiará la próxima vez que abras el programa.</translation>
    </message>
</context>
<context>
    <name>TFRNASint</name>
    <message>
        <location filename="../../src/experiments/Polimer.cpp" line="+35"/>
        <source>Construcció d&apos;un RNAm polímer</source>
        <translation>Construcción de un ARNm polímero</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Oligonucleòtid</source>
        <translation>Oligonucleótido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RNA polímer</source>
        <translation>ARN polímero</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Traduir</source>
        <translation>&amp;Traducir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Un altre</source>
        <translation>&amp;Otro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Construcció de l&apos;oligonucleòtid</source>
        <translation>Construcción del oligonucleótido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Enrera</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es&amp;borrar</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Polimeritzar</source>
        <translation>&amp;Polimerizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adenina</source>
        <translation>Adenina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Guanina</source>
        <translation>Guanina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Citosina</source>
        <translation>Citosina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Uracil</source>
        <translation>Uracilo</translation>
    </message>
</context>
<context>
    <name>TFSintProt</name>
    <message>
        <location filename="../../src/exercises/SintProt.cpp" line="+64"/>
        <source>Exercici de síntesi de proteïnes</source>
        <translation>Ejercicio de síntesis de proteínas</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Posició %1 de l&apos;RNAm</source>
        <translation>Posición %1 del ARNm</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Posició %1 de l&apos;anticodó de l&apos;RNAt %2</source>
        <translation>Posición %1 del anticodón del ARNt %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aminoàcid de l&apos;RNAt %1</source>
        <translation>Aminoácido del ARNt %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tria a la taula del codi genètic l&apos;aminoàcid que porta aquest RNAt (Alt+T).</source>
        <translation>Elige en la tabla del código genético el aminoácido que lleva este ARNt (Alt+T).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triar a la taula del codi genètic l&apos;aminoàcid d&apos;aquest RNAt</source>
        <translation>Elegir en la tabla del código genético el aminoácido de este ARNt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aminoàcid %1 de la cadena</source>
        <translation>Aminoácido %1 de la cadena</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Tornem-hi</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un altre</source>
        <translation>Otro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcions...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Veure Taula</source>
        <translation>Ver tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Ribosoma: %1. %2</source>
        <translation>Ribosoma: %1. %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Aminoàcids: %1</source>
        <translation>Aminoácidos: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anticodons: %1</source>
        <translation>Anticodones: %1</translation>
    </message>
</context>
<context>
    <name>TFTaula</name>
    <message>
        <location filename="../../src/experiments/Taula.cpp" line="+65"/>
        <location line="+53"/>
        <source>Taula del codi genètic</source>
        <translation>Tabla del código genético</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Extrem 5&apos; del codó: primera base, a l&apos;esquerra</source>
        <translation>Extremo 5&apos; del codón: primera base, a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem 3&apos; del codó: tercera base, a la dreta</source>
        <translation>Extremo 3&apos; del codón: tercera base, a la derecha</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fes clic en un codó per publicar-ne el significat o retirar-lo.</source>
        <translation>Haz clic en un codón para publicar su significado o retirarlo.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Segona lletra del codó</source>
        <translation>Segunda letra del codón</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Primera lletra del codó</source>
        <translation>Primera letra del codón</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tercera lletra dels codons que comencen per %1</source>
        <translation>Tercera letra de los codones que empiezan por %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Un clic publica o retira el significat de %1.</source>
        <translation>Un clic publica o retira el significado de %1.</translation>
    </message>
</context>
<context>
    <name>TFTaulaResum</name>
    <message>
        <location filename="../../src/exercises/TaulaResum.cpp" line="+58"/>
        <source>Posició %1 de la primera cadena de DNA</source>
        <translation>Posición %1 de la primera cadena de ADN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 de la segona cadena de DNA</source>
        <translation>Posición %1 de la segunda cadena de ADN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 de l&apos;RNAm</source>
        <translation>Posición %1 del ARNm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 dels anticodons</source>
        <translation>Posición %1 de los anticodones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DNA transcrita</source>
        <translation>ADN transcrito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNA complem.</source>
        <translation>ADN complem.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Taula resum</source>
        <translation>Tabla resumen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Errors comesos: </source>
        <translation>Errores cometidos: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors pendents:</source>
        <translation>Errores pendientes:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>RNAm</source>
        <translation>ARNm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anticodons RNAt</source>
        <translation>Anticodones ARNt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aminoàcids</source>
        <translation>Aminoácidos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nom de la primera cadena de DNA</source>
        <translation>Nombre de la primera cadena de ADN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la segona cadena de DNA</source>
        <translation>Nombre de la segunda cadena de ADN</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Extrem de l&apos;esquerra del pèptid</source>
        <translation>Extremo izquierdo del péptido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem de la dreta del pèptid</source>
        <translation>Extremo derecho del péptido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aminoàcid %1</source>
        <translation>Aminoácido %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clicar l&apos;aminoàcid a la taula del codi genètic.|</source>
        <translation>Elegir el aminoácido en la tabla del código genético.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triar l&apos;aminoàcid %1 a la taula del codi genètic</source>
        <translation>Elegir el aminoácido %1 en la tabla del código genético</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Esborrar la casella.</source>
        <translation>Borrar la casilla.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Espai: esborrar la casella; les fletxes mouen la tria</source>
        <translation>Espacio: borrar la casilla; las flechas mueven la selección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opcions...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Veure Taula</source>
        <translation>Ver tabla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tornem-hi</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Un altre</source>
        <translation>Otro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ajuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Errors comesos: %1</source>
        <translation>Errores cometidos: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Errors pendents: %1</source>
        <translation>Errores pendientes: %1</translation>
    </message>
</context>
<context>
    <name>TFTecniques</name>
    <message>
        <location filename="../../src/lab/Tecnica.cpp" line="+47"/>
        <source>Tècniques</source>
        <translation>Técnicas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tècniques Desenvolupades:</source>
        <translation>Técnicas desarrolladas:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tècnica en desenvolupament:</source>
        <translation>Técnica en desarrollo:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No estem desenvolupant cap tècnica.</source>
        <translation>No estamos desarrollando ninguna técnica.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Estem investigant %1</source>
        <translation>Estamos investigando %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hem dedicat %1</source>
        <translation>Hemos dedicado %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>(d&apos;un total de %1).</source>
        <translation>(de un total de %1).</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Hem gastat %1$</source>
        <translation>Hemos gastado %1$</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vols deixar de desenvolupar «%1»?
Es perdran les provetes que hi has dedicat i les que queden aquest mes; els diners gastats no es recuperen.</source>
        <translation>¿Quieres dejar de desarrollar «%1»?
Se perderán las probetas que le has dedicado y las que quedan este mes; el dinero gastado no se recupera.</translation>
    </message>
</context>
<context>
    <name>TFTraduccio</name>
    <message>
        <location filename="../../src/experiments/Traduir.cpp" line="+37"/>
        <source>Aminoàcids presents en el polipèptid</source>
        <translation>Aminoácidos presentes en el polipéptido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polipèptids produïts</source>
        <translation>Polipéptidos producidos</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+150"/>
        <source>Traducció d&apos;un RNA polímer</source>
        <translation>Traducción de un ARN polímero</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>RNA polímer</source>
        <translation>ARN polímero</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Conclusions:</source>
        <translation>Conclusiones:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Primer experiment.|</source>
        <translation>Primer experimento.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiment anterior.|</source>
        <translation>Experimento anterior.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiment següent.|</source>
        <translation>Experimento siguiente.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Últim experiment.|</source>
        <translation>Último experimento.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;raduir</source>
        <translation>&amp;Traducir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Publicar codó</source>
        <translation>Publicar codón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Repassar els experiments anteriors</source>
        <translation>Repasar los experimentos anteriores</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Experiment número %1</source>
        <translation>Experimento número %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Experiment número %1 (de %2)</source>
        <translation>Experimento número %1 (de %2)</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Queda 1 caràcter.</source>
        <translation>Queda 1 carácter.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queden %1 caràcters.</source>
        <translation>Quedan %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>TFTriaOfertes</name>
    <message>
        <location filename="../../src/mainwindow/Triaofer.cpp" line="+26"/>
        <source>Ofertes de centres investigadors</source>
        <translation>Ofertas de centros de investigación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria el centre on vulguis investigar:</source>
        <translation>Elige el centro donde quieras investigar:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>TFTutor</name>
    <message>
        <location filename="../../src/lab/Tutor.cpp" line="+43"/>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tècnica:</source>
        <translation>&amp;Técnica:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Explicació del tutor</source>
        <translation>Explicación del tutor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tan&amp;car</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>&lt;p&gt;El laboratori ja domina totes les tècniques.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El laboratorio ya domina todas las técnicas.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Què li falta:&lt;/b&gt; res; ja la pots desenvolupar.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Qué le falta:&lt;/b&gt; nada; ya puedes desarrollarla.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;Què li falta:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Qué le falta:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;li&gt;Comprar %1: %2 en total%3.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Comprar %1: %2 en total%3.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (ara en tenim %1)</source>
        <translation> (ahora tenemos %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;li&gt;Dominar abans, en aquest ordre: %1.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Dominar antes, en este orden: %1.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;&lt;b&gt;Què costa:&lt;/b&gt; %1 provetes a %2 cadascuna, %3 en total.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Qué cuesta:&lt;/b&gt; %1 probetas a %2 cada una, %3 en total.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>L&apos;acabaríem aquest mateix mes, amb les provetes que queden.</source>
        <translation>La terminaríamos este mismo mes, con las probetas que quedan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;Quant dura:&lt;/b&gt; %1 Cada mes el laboratori fa %2 provetes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Cuánto dura:&lt;/b&gt; %1 Cada mes el laboratorio hace %2 probetas.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;&lt;b&gt;Què permet:&lt;/b&gt; %1</source>
        <translation>&lt;p&gt;&lt;b&gt;Qué permite:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cap altra tècnica.</source>
        <translation>ninguna otra técnica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desenvolupar %1.</source>
        <translation>desarrollar %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> I obre els experiments de &lt;i&gt;%1&lt;/i&gt;.</source>
        <translation> Y abre los experimentos de &lt;i&gt;%1&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;h3&gt;Què pots comprar&lt;/h3&gt;&lt;p&gt;Aquestes compres obren tècniques noves, de la més barata a la més cara (tenim %1):&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;h3&gt;Qué puedes comprar&lt;/h3&gt;&lt;p&gt;Estas compras abren técnicas nuevas, de la más barata a la más cara (tenemos %1):&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;li&gt;%1: %2 — obre &lt;b&gt;%3&lt;/b&gt;.&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: %2 — abre &lt;b&gt;%3&lt;/b&gt;.&lt;/li&gt;</translation>
    </message>
</context>
<context>
    <name>TPanellInici</name>
    <message>
        <location filename="../../src/mainwindow/PanellInici.cpp" line="+79"/>
        <source>Exercicis sobre el flux de la informació genètica</source>
        <translation>Ejercicios sobre el flujo de la información genética</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Codi:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fitxer:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiments:</source>
        <translation>Experimentos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codons publicats:</source>
        <translation>Codones publicados:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darrer experiment:</source>
        <translation>Último experimento:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conclusions:</source>
        <translation>Conclusiones:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre:</source>
        <translation>Centro:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mes:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners i provetes:</source>
        <translation>Dinero y probetas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En desenvolupament:</source>
        <translation>En desarrollo:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progrés de la tècnica</source>
        <translation>Progreso de la técnica</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+8"/>
        <source>Què puc fer ara?</source>
        <translation>¿Qué puedo hacer ahora?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fer el pas suggerit</source>
        <translation>Dar el paso sugerido</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recerca de %1</source>
        <translation>Investigación de %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recerca sense nom</source>
        <translation>Investigación sin nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Codi aleatori</source>
        <translation>Código aleatorio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Codi real</source>
        <translation>Código real</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encara no s&apos;ha desat.</source>
        <translation>Todavía no se ha guardado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 de %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 de 64</source>
        <translation>%1 de 64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encara cap.</source>
        <translation>Todavía ninguno.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encara no n&apos;has escrit.</source>
        <translation>Todavía no has escrito ninguna.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 $ i %2 provetes (%3 $ i %4 provetes cada mes)</source>
        <translation>%1 $ y %2 probetas (%3 $ y %4 probetas cada mes)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cap tècnica.</source>
        <translation>Ninguna técnica.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 de %3 provetes</source>
        <translation>%1: %2 de %3 probetas</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fes el primer experiment: construeix un RNA sintètic i tradueix-lo en el sistema lliure de cèl·lules.</source>
        <translation>Haz el primer experimento: construye un ARN sintético y tradúcelo en el sistema libre de células.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>L&apos;experiment %1 té resultats però encara no té conclusions: repassa&apos;l i escriu què en dedueixes.</source>
        <translation>El experimento %1 tiene resultados pero todavía no tiene conclusiones: repásalo y escribe qué deduces.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Els teus experiments han llegit un codó que encara no has publicat: obre la taula del codi i fes clic al codó per publicar-ne el significat.</source>
        <translation>Tus experimentos han leído un codón que todavía no has publicado: abre la tabla del código y haz clic en el codón para publicar su significado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Els teus experiments han llegit %1 codons que encara no has publicat: obre la taula del codi i fes clic al codó per publicar-ne el significat.</source>
        <translation>Tus experimentos han leído %1 codones que todavía no has publicado: abre la tabla del código y haz clic en cada codón para publicar su significado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fes més experiments amb RNA sintètics diferents per llegir codons nous, i publica el que en dedueixis.</source>
        <translation>Haz más experimentos con ARN sintéticos diferentes para leer codones nuevos, y publica lo que deduzcas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El registre ja té els 60 experiments: repassa&apos;ls i publica a la taula del codi el que n&apos;has deduït.</source>
        <translation>El registro ya tiene los 60 experimentos: repásalos y publica en la tabla del código lo que has deducido.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Has publicat el significat dels 64 codons: el codi està desxifrat!</source>
        <translation>Has publicado el significado de los 64 codones: ¡el código está descifrado!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El laboratori encara és buit: compra els aparells bàsics i els reactius bàsics, que demana la primera tècnica.</source>
        <translation>El laboratorio todavía está vacío: compra los aparatos básicos y los reactivos básicos, que pide la primera técnica.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Amb el que tens no pots desenvolupar cap tècnica: el Tutor de Desenvolupar tècnica et diu què cal comprar.</source>
        <translation>Con lo que tienes no puedes desarrollar ninguna técnica: el Tutor de Desarrollar técnica te dice qué hay que comprar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Amb el que tens no pots desenvolupar cap tècnica. La compra més barata obre «%1»: el Tutor de Desenvolupar tècnica t&apos;hi ajuda.</source>
        <translation>Con lo que tienes no puedes desarrollar ninguna técnica. La compra más barata abre «%1»: el Tutor de Desarrollar técnica te ayuda.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ja pots desenvolupar una tècnica: tria-la i comença.</source>
        <translation>Ya puedes desarrollar una técnica: elígela y empieza.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ja pots desenvolupar %1 tècniques: tria&apos;n una i comença.</source>
        <translation>Ya puedes desarrollar %1 técnicas: elige una y empieza.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El laboratori treballa en «%1»: passa torn perquè avanci amb les provetes del mes nou.</source>
        <translation>El laboratorio trabaja en «%1»: pasa turno para que avance con las probetas del mes nuevo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ja domines la traducció de copolímers: prova de traduir un RNA copolímer a l&apos;atzar.</source>
        <translation>Ya dominas la traducción de copolímeros: prueba a traducir un ARN copolímero al azar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cada experiment costa %1 provetes i %2 $, i ara no n&apos;hi ha prou: passa torn per tenir-ne de noves.</source>
        <translation>Cada experimento cuesta %1 probetas y %2 $, y ahora no hay bastantes: pasa turno para recibir más.</translation>
    </message>
</context>
<context>
    <name>TRecercaOberta</name>
    <message>
        <location filename="../../src/mainwindow/RecercaOberta.cpp" line="+12"/>
        <source>Simulacions Ribolia (*.srb);;Tots els fitxers (*)</source>
        <translation>Simulaciones Ribolia (*.srb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simulacions Ribolia (*.srb)</source>
        <translation>Simulaciones Ribolia (*.srb)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>La recerca ha canviat des que la vas començar, obrir o desar.</source>
        <translation>La investigación ha cambiado desde que la empezaste, la abriste o la guardaste.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Desar recerca</source>
        <translation>Guardar investigación</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Obrir recerca</source>
        <translation>Abrir investigación</translation>
    </message>
</context>
<context>
    <name>TaulaClasse</name>
    <message>
        <location filename="../../src/platform/TaulaClasse.cpp" line="+19"/>
        <source>Exercicis</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi genètic</source>
        <translation>Código genético</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Joc amb pressupost</source>
        <translation>Juego con presupuesto</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Aleatori</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Fitxer</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nivell</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recerca</source>
        <translation>Investigación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi</source>
        <translation>Código</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiments</source>
        <translation>Experimentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amb conclusions</source>
        <translation>Con conclusiones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codons publicats</source>
        <translation>Codones publicados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Provetes</source>
        <translation>Probetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tècniques dominades</source>
        <translation>Técnicas dominadas</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No s&apos;ha pogut llegir com a recerca: %1.</source>
        <translation>No se ha podido leer como investigación: %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No s&apos;ha pogut llegir la carpeta «%1».
</source>
        <translation>No se ha podido leer la carpeta «%1».
</translation>
    </message>
</context>
<context>
    <name>TextosJoc</name>
    <message>
        <location filename="../../src/platform/TextosJoc.cpp" line="+18"/>
        <source>%1 de %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ESO</source>
        <translation>ESO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Batxillerat</source>
        <translation>Bachillerato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Universitari</source>
        <translation>Universitario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tenim  %1 $.</source>
        <translation>Tenemos  %1 $.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cobrem %1 $ cada mes.</source>
        <translation>Cobramos %1 $ cada mes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gastem %1 $.</source>
        <translation>Gastamos %1 $.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Queden %1 $.</source>
        <translation>Quedarán %1 $.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sense provetes cada mes no l&apos;acabarem mai.</source>
        <translation>Sin probetas cada mes no la terminaremos nunca.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acabarem d&apos;aquí %1 mes.</source>
        <translation>Terminaremos dentro de %1 mes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acabarem d&apos;aquí %1 mesos.</source>
        <translation>Terminaremos dentro de %1 meses.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main.cpp" line="+31"/>
        <source>Ribolia: el flux de la informació genètica. Sense opcions, obre el programa; amb un fitxer, hi obre aquella recerca.</source>
        <translation>Ribolia: el flujo de la información genética. Sin opciones, abre el programa; con un archivo, abre esa investigación.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mostra aquestes opcions i acaba.</source>
        <translation>Muestra estas opciones y termina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Escriu a la sortida estàndard, en CSV, el resum de cada recerca (.srb) de la CARPETA, sense obrir cap finestra.</source>
        <translation>Escribe en la salida estándar, en CSV, el resumen de cada investigación (.srb) de la CARPETA, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CARPETA</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>fitxer</source>
        <translation>archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Una recerca desada (.srb) per obrir.</source>
        <translation>Una investigación guardada (.srb) para abrir.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[fitxer]</source>
        <translation>[archivo]</translation>
    </message>
</context>
</TS>

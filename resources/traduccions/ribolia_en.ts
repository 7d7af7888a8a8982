<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca_ES">
<context>
    <name>Botons</name>
    <message>
        <location filename="../../src/platform/Botons.cpp" line="+50"/>
        <source>&amp;Adenina</source>
        <translation>&amp;Adenine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Guanina</source>
        <translation>&amp;Guanine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Citosina</source>
        <translation>&amp;Cytosine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Timina</source>
        <translation>&amp;Thymine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Uracil</source>
        <translation>&amp;Uracil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extrem 5&apos;</source>
        <translation>5&apos; end</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem 3&apos;</source>
        <translation>3&apos; end</translation>
    </message>
</context>
<context>
    <name>Cella</name>
    <message>
        <location filename="../../src/platform/Cella.cpp" line="+10"/>
        <source>buida</source>
        <translation>empty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, triada</source>
        <translation>, selected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, donada</source>
        <translation>, given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, errònia</source>
        <translation>, wrong</translation>
    </message>
</context>
<context>
    <name>ComunsLab</name>
    <message>
        <location filename="../../src/lab/ComunsLab.cpp" line="+40"/>
        <source>Provetes</source>
        <translation>Test tubes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Caixa</source>
        <translation>Cash</translation>
    </message>
</context>
<context>
    <name>ControlsExperiment</name>
    <message>
        <location filename="../../src/experiments/ControlsExperiment.cpp" line="+52"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>RNA aleatori amb: %1</source>
        <translation>Random RNA with: %1</translation>
    </message>
</context>
<context>
    <name>Dialegs</name>
    <message>
        <location filename="../../src/platform/Dialegs.cpp" line="+35"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No desar</source>
        <translation>&amp;Don&apos;t Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sí</source>
        <translation>&amp;Yes</translation>
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
        <translation>There is already a file called “%1”.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>DibuixosRibosoma</name>
    <message>
        <location filename="../../src/platform/DibuixosRibosoma.cpp" line="+120"/>
        <source>Subunitat gran</source>
        <translation>Large subunit</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Subunitat petita</source>
        <translation>Small subunit</translation>
    </message>
</context>
<context>
    <name>FitxerRecerca</name>
    <message>
        <location filename="../../src/platform/FitxerRecerca.cpp" line="+29"/>
        <source>No s&apos;ha pogut desar la recerca al fitxer «%1».
%2.
Si ja hi havia un fitxer amb aquest nom, no s&apos;ha tocat.</source>
        <translation>Could not save the research to the file “%1”.
%2.
If there was already a file with this name, it has not been touched.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No s&apos;ha pogut obrir la recerca del fitxer «%1».
%2.
La recerca que tenies no ha canviat.</source>
        <translation>Could not open the research from the file “%1”.
%2.
The research you had has not changed.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aquest fitxer no és una recerca de Ribolia, o bé està malmès:
«%1»
Detall: %2.
La recerca que tenies no ha canviat.</source>
        <translation>This file is not a Ribolia research file, or it is damaged:
“%1”
Detail: %2.
The research you had has not changed.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>El sistema diu: %1</source>
        <translation>The system says: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aquest nom és el d&apos;una carpeta</source>
        <translation>This name belongs to a folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La carpeta «%1» no existeix</source>
        <translation>The folder “%1” does not exist</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» no és una carpeta</source>
        <translation>“%1” is not a folder</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>El fitxer és només de lectura</source>
        <translation>The file is read-only</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No es pot escriure a la carpeta «%1»</source>
        <translation>Cannot write to the folder “%1”</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>El fitxer no existeix</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aquest nom és el d&apos;una carpeta, no el d&apos;un fitxer</source>
        <translation>This name belongs to a folder, not to a file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No tens permís per llegir-lo</source>
        <translation>You don&apos;t have permission to read it</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No s&apos;ha pogut escriure sencera. %1</source>
        <translation>It could not be written in full. %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut acabar d&apos;escriure. %1</source>
        <translation>It could not be written to the end. %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No s&apos;ha pogut llegir. %1</source>
        <translation>It could not be read. %1</translation>
    </message>
</context>
<context>
    <name>Impressio</name>
    <message>
        <location filename="../../src/platform/Impressio.cpp" line="+201"/>
        <source>No s&apos;ha pogut imprimir.</source>
        <translation>Could not print.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No hi ha cap impressora: desa-ho com a PDF</source>
        <translation>There is no printer: save it as a PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documents PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No hi ha cap impressora. S&apos;ha desat com a PDF a:
%1</source>
        <translation>There is no printer. It has been saved as a PDF in:
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut desar el PDF a:
%1</source>
        <translation>Could not save the PDF in:
%1</translation>
    </message>
</context>
<context>
    <name>Informe</name>
    <message>
        <location filename="../../src/platform/Informe.cpp" line="+45"/>
        <source>&lt;h2&gt;Dades de la recerca&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Research details&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gènere</source>
        <translation>Gender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Masculí</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Femení</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nivell educatiu</source>
        <translation>Educational level</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Simulació</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Joc de recerca amb pressupost</source>
        <translation>Research on a Budget</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Investigar codi genètic</source>
        <translation>Investigate the Genetic Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi genètic amagat</source>
        <translation>Hidden genetic code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aleatori</source>
        <translation>Random</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Centre</source>
        <translation>Center</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners</source>
        <translation>Money</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Provetes</source>
        <translation>Test tubes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;h2&gt;Experiments&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Experiments&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;Encara no s&apos;ha fet cap experiment.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No experiment has been done yet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;thead&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;&lt;th&gt;Núm.&lt;/th&gt;&lt;th&gt;RNA i resultats&lt;/th&gt;&lt;th&gt;Conclusions&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;</source>
        <translation>&lt;thead&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;&lt;th&gt;No.&lt;/th&gt;&lt;th&gt;RNA and results&lt;/th&gt;&lt;th&gt;Conclusions&lt;/th&gt;&lt;/tr&gt;&lt;/thead&gt;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&lt;br&gt;&lt;i&gt;Cap resultat.&lt;/i&gt;</source>
        <translation>&lt;br&gt;&lt;i&gt;No results.&lt;/i&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copolímer a l&apos;atzar</source>
        <translation>Random copolymer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RNA sintètic</source>
        <translation>Synthetic RNA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aminoàcids presents:</source>
        <translation>Amino acids present:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polipèptids:</source>
        <translation>Polypeptides:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;Els experiments a partir del %1 no queden registrats.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Experiments from number %1 on are not recorded.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;h2&gt;Taula del codi publicada&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Published code table&lt;/h2&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;thead&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;? : significat encara no publicat.&lt;/td&gt;&lt;/tr&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;</source>
        <translation>&lt;thead&gt;&lt;tr&gt;&lt;td colspan=&quot;4&quot;&gt;? : meaning not published yet.&lt;/td&gt;&lt;/tr&gt;&lt;tr bgcolor=&quot;#e8e8e8&quot;&gt;</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Codons publicats: %1 de 64. Experiments fets: %2.</source>
        <translation>Published codons: %1 of 64. Experiments done: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;style&gt;body { font-size: 9pt; } h1 { font-size: 15pt; margin: 0 0 4px 0; } h2 { font-size: 11pt; margin: 10px 0 4px 0; } p { margin: 2px 0; }&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Informe de la recerca&lt;/h1&gt;&lt;p&gt;%1. &lt;b&gt;%2&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;style&gt;body { font-size: 9pt; } h1 { font-size: 15pt; margin: 0 0 4px 0; } h2 { font-size: 11pt; margin: 10px 0 4px 0; } p { margin: 2px 0; }&lt;/style&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Research Report&lt;/h1&gt;&lt;p&gt;%1. &lt;b&gt;%2&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Informe de la recerca de %1</source>
        <translation>Research report for %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Informe de la recerca.pdf</source>
        <translation>Research report.pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Informe de %1</source>
        <translation>Report for %1</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <location filename="../../src/platform/TextosModel.cpp" line="+11"/>
        <source>Gener</source>
        <translation>January</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Febrer</source>
        <translation>February</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Març</source>
        <translation>March</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abril</source>
        <translation>April</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maig</source>
        <translation>May</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juny</source>
        <translation>June</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Juliol</source>
        <translation>July</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Agost</source>
        <translation>August</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setembre</source>
        <translation>September</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Octubre</source>
        <translation>October</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desembre</source>
        <translation>December</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aturada</source>
        <translation>Termination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glicina</source>
        <translation>Glycine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alanina</source>
        <translation>Alanine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valina</source>
        <translation>Valine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leucina</source>
        <translation>Leucine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Isoleucina</source>
        <translation>Isoleucine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prolina</source>
        <translation>Proline</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenilalanina</source>
        <translation>Phenylalanine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triptòfan</source>
        <translation>Tryptophan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metionina</source>
        <translation>Methionine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serina</source>
        <translation>Serine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treonina</source>
        <translation>Threonine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cisteïna</source>
        <translation>Cysteine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tirosina</source>
        <translation>Tyrosine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asparagina</source>
        <translation>Asparagine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glutamina</source>
        <translation>Glutamine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aspartat</source>
        <translation>Aspartate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glutamat</source>
        <translation>Glutamate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lisina</source>
        <translation>Lysine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arginina</source>
        <translation>Arginine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Histidina</source>
        <translation>Histidine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MRC, Laboratori de Biologia Molecular de Cambridge</source>
        <translation>MRC, Laboratory of Molecular Biology, Cambridge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MIT, Institut de Tecnologia de Massachussets, Cambridge, USA</source>
        <translation>MIT, Massachusetts Institute of Technology, Cambridge, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NIH, National Institutes of Health, Bethesda, USA</source>
        <translation>NIH, National Institutes of Health, Bethesda, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>University of Wisconsin, Madison, USA</source>
        <translation>University of Wisconsin, Madison, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New York University Medical School</source>
        <translation>New York University Medical School</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cold Spring Harbor Laboratory, USA</source>
        <translation>Cold Spring Harbor Laboratory, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut Corvell, París</source>
        <translation>Corvell Institute, Paris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tesmond University, USA</source>
        <translation>Tesmond University, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilo Drema Institute, Germany</source>
        <translation>Ilo Drema Institute, Germany</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brisall University, USA</source>
        <translation>Brisall University, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oden University, USA</source>
        <translation>Oden University, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institute of Genetics, University of Cologne, Germany</source>
        <translation>Institute of Genetics, University of Cologne, Germany</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Biologia, Universitat de Barcelona</source>
        <translation>Faculty of Biology, University of Barcelona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultad de Biología, Universidad Complutense de Madrid</source>
        <translation>Faculty of Biology, Complutense University of Madrid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Ciències, Universitat de Ginebra</source>
        <translation>Faculty of Science, University of Geneva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Biologia, Universitat de Roma</source>
        <translation>Faculty of Biology, University of Rome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Ciències, Universitat de Bruseles</source>
        <translation>Faculty of Science, University of Brussels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Michigan State University, USA</source>
        <translation>Michigan State University, USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instituto de investigaciones filosóficas &quot;Invicto Caudillo&quot;, Salamanca</source>
        <translation>&quot;Invicto Caudillo&quot; Institute for Philosophical Research, Salamanca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Centre d&apos;investigació genètica &quot;Vorkan&quot;, Moscú</source>
        <translation>&quot;Vorkan&quot; Genetic Research Center, Moscow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut &quot;Zuk&quot; per al canvi de la realitat, Pekín</source>
        <translation>&quot;Zuk&quot; Institute for Changing Reality, Beijing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori &quot;Bardel&quot;, Nicaragua</source>
        <translation>&quot;Bardel&quot; Laboratory, Nicaragua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut Nacional de Ciències &quot;Ortensa Belvanir&quot;, Lisboa</source>
        <translation>&quot;Ortensa Belvanir&quot; National Institute of Sciences, Lisbon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facultat de Tecnologia de la Universitat &quot;Varnelosk&quot;, Bucarest</source>
        <translation>Faculty of Technology, &quot;Varnelosk&quot; University, Bucharest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre per al desenvolupament del creacionisme científic, Luisiana</source>
        <translation>Center for the Advancement of Scientific Creationism, Louisiana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Institut eugenèsic, Georgia</source>
        <translation>Eugenics Institute, Georgia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori de genètica de les races, Ciutat del Cap</source>
        <translation>Laboratory of Racial Genetics, Cape Town</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre d&apos;integrisme religiós, Sudan</source>
        <translation>Center for Religious Fundamentalism, Sudan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Institut per a l&apos;estudi científic de la Bíblia, Alabama</source>
        <translation>Institute for the Scientific Study of the Bible, Alabama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laboratori de guerra biològica, Damasc</source>
        <translation>Biological Warfare Laboratory, Damascus</translation>
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
        <translation>Bacteriophage viruses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aparells bàsics</source>
        <translation>Basic equipment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoclau</source>
        <translation>Autoclave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columnes de cromatografia</source>
        <translation>Chromatography columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recipients d&apos;electroforesi</source>
        <translation>Electrophoresis tanks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homogenitzador</source>
        <translation>Homogenizer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estufa de cultius</source>
        <translation>Culture incubator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Espectròmetre de llum ultraviolada</source>
        <translation>Ultraviolet light spectrometer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comptador de radiactivitat</source>
        <translation>Radioactivity counter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultracentrífuga</source>
        <translation>Ultracentrifuge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reactius bàsics</source>
        <translation>Basic reagents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nucleòtids</source>
        <translation>Nucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nucleòtids radiactius</source>
        <translation>Radioactive nucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATP</source>
        <translation>ATP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aminoàcids radiactius</source>
        <translation>Radioactive amino acids</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brou nutritiu</source>
        <translation>Nutrient broth</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enzims proteolítics</source>
        <translation>Proteolytic enzymes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tècniques bàsiques</source>
        <translation>Basic techniques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esterilització</source>
        <translation>Sterilization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cromatografia</source>
        <translation>Chromatography</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Electroforesi</source>
        <translation>Electrophoresis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homogenització de cèl.lules</source>
        <translation>Cell homogenization</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cultiu de bacteris</source>
        <translation>Bacterial culture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seqüenciació de polipèptids</source>
        <translation>Polypeptide sequencing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament d&apos;enzims de restricció</source>
        <translation>Isolation of restriction enzymes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sistema traductor sense cèl.lules</source>
        <translation>Cell-free translation system</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament de polinucleòtid fosforilasa</source>
        <translation>Isolation of polynucleotide phosphorylase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cultiu de virus</source>
        <translation>Virus culture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament d&apos;RNAt</source>
        <translation>Isolation of tRNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aïllament de ribosomes</source>
        <translation>Isolation of ribosomes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seqüenciació d&apos;RNA</source>
        <translation>RNA sequencing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aillament d&apos;un RNA víric</source>
        <translation>Isolation of a viral RNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polimerització de nucleòtids</source>
        <translation>Polymerization of nucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA víric</source>
        <translation>Translation of a viral RNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA polímer</source>
        <translation>Translation of an RNA polymer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copolímers a l&apos;atzar</source>
        <translation>Random copolymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de dinucleòtids</source>
        <translation>Formation of dinucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de copolímers</source>
        <translation>Translation of copolymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de dinucleòtids</source>
        <translation>Translation of dinucleotide polymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de trinucleòtids</source>
        <translation>Formation of trinucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduccio de polímers de trinucleòtids</source>
        <translation>Translation of trinucleotide polymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formació de tetranucleòtids</source>
        <translation>Formation of tetranucleotides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acoblament de trinucleòtids amb RNAt</source>
        <translation>Binding of trinucleotides to tRNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de tetranucleòtids</source>
        <translation>Translation of tetranucleotide polymers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Traducció de polímers d&apos;un nucleòtid</source>
        <translation>Translation of single-nucleotide polymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de copolímers a l&apos;atzar</source>
        <translation>Translation of random copolymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció de polímers de trinucleòtids</source>
        <translation>Translation of trinucleotide polymers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció d&apos;un RNA víric seqüenciat</source>
        <translation>Translation of a sequenced viral RNA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>El significat amagat del codó %1 val %2, i ha de ser entre 0 i 20</source>
        <translation>The hidden meaning of codon %1 is %2, and it must be between 0 and 20</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El significat publicat del codó %1 val %2, i ha de ser entre 0 i 21</source>
        <translation>The published meaning of codon %1 is %2, and it must be between 0 and 21</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El significat publicat del codó %1 (%2) no és el del codi amagat (%3)</source>
        <translation>The published meaning of codon %1 (%2) is not the one in the hidden code (%3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El polímer de l&apos;experiment %1 diu que té %2 lletres, i n&apos;hi caben %3</source>
        <translation>The polymer of experiment %1 says it has %2 letters, and only %3 fit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El tipus de l&apos;experiment %1 val %2, i només pot ser 0 (polímer sintètic) o 1 (copolímer)</source>
        <translation>The type of experiment %1 is %2, and it can only be 0 (synthetic polymer) or 1 (copolymer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La tècnica en curs val %1, i ha de ser entre 0 (cap) i 27</source>
        <translation>The technique in progress is %1, and it must be between 0 (none) and 27</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La tècnica acabada val %1, i ha de ser entre 0 (cap) i 27</source>
        <translation>The technique just completed is %1, and it must be between 0 (none) and 27</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nivell de la tècnica %1 val %2, i només pot ser 1 o 2</source>
        <translation>The level of technique %1 is %2, and it can only be 1 or 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El mes val %1, i ha de ser entre 1 i 12</source>
        <translation>The month is %1, and it must be between 1 and 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La llargada màxima dels oligonucleòtids val %1, i ha de ser entre 1 i 4</source>
        <translation>The longest oligonucleotide length is %1, and it must be between 1 and 4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El tipus de codi val %1, i només pot ser 0 o 1</source>
        <translation>The code type is %1, and it can only be 0 or 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El tipus de simulació val %1, i només pot ser 0, 1 o 2</source>
        <translation>The simulation type is %1, and it can only be 0, 1 or 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nom diu que té %1 lletres, i n&apos;hi caben %2</source>
        <translation>The name says it has %1 letters, and only %2 fit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El nivell educatiu val %1, i només pot ser 0, 1 o 2</source>
        <translation>The school level is %1, and it can only be 0, 1 or 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El centre de recerca val %1, i ha de ser entre 0 i 4</source>
        <translation>The research center is %1, and it must be between 0 and 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&apos;oferta del centre val %1, i ha de ser entre 0 i 5</source>
        <translation>The center&apos;s offer is %1, and it must be between 0 and 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El fitxer és massa curt: té %1 bytes, i una recerca en té %2</source>
        <translation>The file is too short: it has %1 bytes, and a research file has %2</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>El teu RNA segurament no funcionarà bé.</source>
        <translation>Your RNA will probably not work properly.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Si no és ben reparat, això produirà una mutació.</source>
        <translation>If it is not repaired properly, this will cause a mutation.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>El teu RNA és inservible! Repassa la transcripció!</source>
        <translation>Your RNA is useless! Go over transcription again!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La cèl·lula que rebi aquest DNA ho té clar! Repassa la replicació!</source>
        <translation>The cell that gets this DNA is doomed! Go over replication again!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Així ho fan normalment les teves cèl·lules!</source>
        <translation>That&apos;s how your cells normally do it!</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Així ho fan normalment les teves cèl·lules! (els errors són teus)</source>
        <translation>That&apos;s how your cells normally do it! (the mistakes are yours)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, domines la replicació.</source>
        <translation>You have made a good DNA: you have mastered replication.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, domines la transcripció.</source>
        <translation>You have made a good RNA: you have mastered transcription.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, però has de concentrar-te més.</source>
        <translation>You have made a good DNA, but you need to concentrate more.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, però has de concentrar-te més.</source>
        <translation>You have made a good RNA, but you need to concentrate more.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon DNA, però amb una actuació lamentable!</source>
        <translation>You have made a good DNA, but your performance was dreadful!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has aconseguit fer un bon RNA, però amb una actuació lamentable!</source>
        <translation>You have made a good RNA, but your performance was dreadful!</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>La RNA polimerasa va afegint ribonucleòtids en sentit 5&apos;-&gt;3&apos;.</source>
        <translation>RNA polymerase adds ribonucleotides in the 5&apos;-&gt;3&apos; direction.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5&apos;-&gt;3&apos;.</source>
        <translation>DNA polymerase adds deoxyribonucleotides in the 5&apos;-&gt;3&apos; direction.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La DNA polimerasa hidrolitza els nucleòtids erronis.</source>
        <translation>DNA polymerase hydrolyzes the wrong nucleotides.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comença la nova cadena per l&apos;extrem 5&apos;.</source>
        <translation>It starts the new strand at the 5&apos; end.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I acaba deixant lliure l&apos;extrem 3&apos;.</source>
        <translation>And it finishes by leaving the 3&apos; end free.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Davant Adenina hi posa Timina.</source>
        <translation>Opposite Adenine it puts Thymine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Adenina hi posa Uracil.</source>
        <translation>Opposite Adenine it puts Uracil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Guanina hi posa Citosina.</source>
        <translation>Opposite Guanine it puts Cytosine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Citosina hi posa Guanina.</source>
        <translation>Opposite Cytosine it puts Guanine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Davant Timina hi posa Adenina.</source>
        <translation>Opposite Thymine it puts Adenine.</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Introdueix l&apos;anticodó de l&apos;RNAt.</source>
        <translation>Enter the anticodon of the tRNA.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Introdueix l&apos;aminoàcid que s&apos;incorporarà.</source>
        <translation>Enter the amino acid that will be added.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Fi</source>
        <translation>Stop</translation>
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
        <translation>Initiation stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fase d&apos;elongació</source>
        <translation>Elongation stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fase de finalització</source>
        <translation>Termination stage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final de la síntesi de proteïnes</source>
        <translation>End of protein synthesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Molt bé!!</source>
        <translation>Very good!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho has fet bastant bé.</source>
        <translation>You did quite well.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has d&apos;estudiar i practicar més.</source>
        <translation>Study and practice more.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Una actuació lamentable!</source>
        <translation>A dreadful performance!</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../../src/mainwindow/About.cpp" line="+21"/>
        <source>Sobre Ribolia...</source>
        <translation>About Ribolia...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Versió 1.0.</source>
        <translation>Version 1.0.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programa educatiu fet per l&apos;equip de Ribolia.</source>
        <translation>An educational program made by the Ribolia team.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Barcelona, desembre de 2026.</source>
        <translation>Barcelona, December 2026.</translation>
    </message>
</context>
<context>
    <name>TFAjuda</name>
    <message>
        <location filename="../../src/platform/Ajuda.cpp" line="+59"/>
        <source>Ajuda de Ribolia</source>
        <translation>Ribolia Help</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Text de l&apos;ajuda</source>
        <translation>Help text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Í&amp;ndex</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Enrere</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No s&apos;ha pogut obrir el fitxer d&apos;ajuda «Ribolia.hlp».</source>
        <translation>Could not open the help file “Ribolia.hlp”.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>El fitxer d&apos;ajuda no té cap tema amb el número %1.</source>
        <translation>The help file has no topic with the number %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Índex</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ajuda de Ribolia: %1</source>
        <translation>Ribolia Help: %1</translation>
    </message>
</context>
<context>
    <name>TFAssCodo</name>
    <message>
        <location filename="../../src/experiments/Asscodo.cpp" line="+33"/>
        <source>No ho sé</source>
        <translation>I don&apos;t know</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Assignació d&apos;un codó</source>
        <translation>Assigning a Codon</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Aminoàcid corresponent al codó</source>
        <translation>Amino acid for the codon</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Aminoàcid corresponent al codó %1</source>
        <translation>Amino acid for codon %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Una terrible pèrdua de prestigi!

Altres investigadors han replicat el nostre experiment i han comprovat que ens hem equivocat.</source>
        <translation>A terrible loss of prestige!

Other researchers have repeated our experiment and found that we were wrong.</translation>
    </message>
</context>
<context>
    <name>TFAvisNovaTecnica</name>
    <message>
        <location filename="../../src/lab/Avisnovt.cpp" line="+37"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Desenvolupament d&apos;una nova tècnica</source>
        <translation>New Technique Developed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Has aconseguit desenvolupar:</source>
        <translation>You have succeeded in developing:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Desenvolupament d&apos;un nou experiment</source>
        <translation>New Experiment Available</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ara ja pots fer experiments de</source>
        <translation>Now you can do these experiments:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Aquest mes la tècnica «%1» no ha avançat gens: cada proveta costa %2 i només en tenim %3. Falten %4 per pagar-ne una; els ingressos dels mesos vinents hi ajudaran.</source>
        <translation>This month the technique “%1” has made no progress: each test tube costs %2 and we only have %3. We need %4 more to pay for one; the income of the coming months will help.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aquest mes la tècnica «%1» no ha avançat gens: el laboratori no té provetes per treballar-hi.</source>
        <translation>This month the technique “%1” has made no progress: the laboratory has no test tubes to work on it.</translation>
    </message>
</context>
<context>
    <name>TFClasse</name>
    <message>
        <location filename="../../src/mainwindow/Classe.cpp" line="+33"/>
        <source>Simulacions Ribolia (*.srb);;Tots els fitxers (*)</source>
        <translation>Ribolia research files (*.srb);;All files (*)</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+22"/>
        <source>Recerques de la classe</source>
        <translation>Class Research Files</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>%1. %2 recerques.</source>
        <translation>%1. %2 research files.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Afegir...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Afegir una &amp;carpeta...</source>
        <translation>Add a &amp;Folder...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Treure</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exportar &amp;CSV...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Informe...</source>
        <translation>R&amp;eport...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Afegir recerques</source>
        <translation>Add Research Files</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Afegir les recerques d&apos;una carpeta</source>
        <translation>Add the Research Files in a Folder</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No s&apos;ha pogut llegir la carpeta «%1».</source>
        <translation>The folder “%1” could not be read.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A la carpeta «%1» no hi ha cap recerca (.srb).</source>
        <translation>There are no research files (.srb) in the folder “%1”.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Exportar la taula en CSV</source>
        <translation>Export the Table as CSV</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fitxers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recerques de la classe.csv</source>
        <translation>Class research files.csv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No s&apos;ha pogut desar la taula al fitxer «%1».
%2.</source>
        <translation>The table could not be saved to the file “%1”.
%2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recerques de la classe.pdf</source>
        <translation>Class research files.pdf</translation>
    </message>
</context>
<context>
    <name>TFComprar</name>
    <message>
        <location filename="../../src/lab/Comprar.cpp" line="+29"/>
        <source>Comprar material, aparells o reactius</source>
        <translation>Buy Materials, Equipment or Reagents</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Material biològic</source>
        <translation>Biological material</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aparells</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reactius</source>
        <translation>Reagents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TFCopolim</name>
    <message>
        <location filename="../../src/experiments/Copolim.cpp" line="+58"/>
        <source>Construcció d&apos;un RNA copolímer a l&apos;atzar</source>
        <translation>Building a Random RNA Copolymer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria dos o tres nucleòtids per a construir el copolímer.</source>
        <translation>Choose two or three nucleotides to build the copolymer.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Traduir</source>
        <translation>&amp;Translate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Un altre</source>
        <translation>A&amp;nother</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nucleòtids triats</source>
        <translation>Chosen nucleotides</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adenina (A)</source>
        <translation>Adenine (A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Guanina (G)</source>
        <translation>Guanine (G)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Citosina (C)</source>
        <translation>Cytosine (C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uracil (U)</source>
        <translation>Uracil (U)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fix</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proporcions dels nucleòtids</source>
        <translation>Nucleotide proportions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Polimeritzar</source>
        <translation>&amp;Polymerize</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Freqüències...</source>
        <translation>&amp;Frequencies...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freqüència esperada de cada triplet amb aquestes proporcions.</source>
        <translation>Expected frequency of each triplet with these proportions.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>RNA polímer</source>
        <translation>RNA polymer</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Augmentar %1</source>
        <translation>Increase %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disminuir %1</source>
        <translation>Decrease %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fix %1</source>
        <translation>Fixed %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proporció de %1</source>
        <translation>Proportion of %1</translation>
    </message>
</context>
<context>
    <name>TFDNAComplementari</name>
    <message>
        <location filename="../../src/exercises/DNAComplementari.cpp" line="+106"/>
        <source>Exercici de construcció d&apos;un DNA complementari</source>
        <translation>Complementary DNA Exercise</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Posició %1 de la cadena motlle</source>
        <translation>Position %1 of the template strand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Posició %1 de la cadena nova</source>
        <translation>Position %1 of the new strand</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Errors comesos: </source>
        <translation>Mistakes made: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors a la nova cadena:</source>
        <translation>Mistakes in the new strand:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Hidrolitzar</source>
        <translation>&amp;Hydrolyze</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tornem-hi</source>
        <translation>Start Over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un altre</source>
        <translation>Another</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Demostració</source>
        <translation>Demo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Continuar la demostració.|</source>
        <translation>Resume the demonstration.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer una pausa a la demostració.|</source>
        <translation>Pause the demonstration.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aturar la demostració.|</source>
        <translation>Stop the demonstration.|</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Exercici de replicació del DNA</source>
        <translation>DNA Replication Exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA original</source>
        <translation>Original DNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA nova</source>
        <translation>New DNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNA polimerasa</source>
        <translation>DNA polymerase</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dibuix de la DNA polimerasa, al costat de la casella triada de la cadena nova</source>
        <translation>Picture of DNA polymerase, next to the chosen box of the new strand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Exercici de transcripció</source>
        <translation>Transcription Exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA que és transcrita</source>
        <translation>DNA strand being transcribed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de RNA</source>
        <translation>RNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RNA polimerasa</source>
        <translation>RNA polymerase</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dibuix de l&apos;RNA polimerasa, al costat de la casella triada de la cadena d&apos;RNA</source>
        <translation>Picture of RNA polymerase, next to the chosen box of the RNA strand</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Errors comesos: %1</source>
        <translation>Mistakes made: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors a la nova cadena: %1</source>
        <translation>Mistakes in the new strand: %1</translation>
    </message>
</context>
<context>
    <name>TFDades</name>
    <message>
        <location filename="../../src/mainwindow/Dades.cpp" line="+31"/>
        <source>Entra les teves dades personals:</source>
        <translation>Enter your personal details:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nom:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gènere</source>
        <translation>Gender</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Femení</source>
        <translation>Female</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Masculí</source>
        <translation>Male</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nivell educatiu</source>
        <translation>Educational level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESO</source>
        <translation>Lower secondary</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Batxillerat</source>
        <translation>Upper secondary</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Universitari</source>
        <translation>University</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TFEleccio</name>
    <message>
        <location filename="../../src/mainwindow/Eleccio.cpp" line="+28"/>
        <source>Elecció del tipus de simulació</source>
        <translation>Choose the Type of Simulation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria les opcions que vulguis:</source>
        <translation>Choose the options you want:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Simulació</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flux de la informació genètica</source>
        <translation>Flow of Genetic Information</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Investigar codi genètic</source>
        <translation>Investigate the Genetic Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Investigar amb pressupost</source>
        <translation>Research on a Budget</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Codi genètic</source>
        <translation>Genetic code</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori</source>
        <translation>Random</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Investigació</source>
        <translation>Research</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual</source>
        <translation>Individual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Joc competitiu</source>
        <translation>Competitive game</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TFFreqTriplets</name>
    <message>
        <location filename="../../src/experiments/Freqcopo.cpp" line="+29"/>
        <location line="+8"/>
        <source>Freqüències esperades dels triplets</source>
        <translation>Expected Triplet Frequencies</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Composició</source>
        <translation>Composition</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Triplets</source>
        <translation>Triplets</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cada triplet</source>
        <translation>Each triplet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compara-les amb la composició que dona l&apos;experiment: l&apos;aminoàcid més abundant ve dels triplets més freqüents.</source>
        <translation>Compare them with the composition the experiment gives: the most abundant amino acid comes from the most frequent triplets.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Proporcions del copolímer: %1</source>
        <translation>Copolymer proportions: %1</translation>
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
        <translation>It is 1961. In the 8 years since James Watson and Francis Crick proposed the 
double helix model for the structure of DNA, molecular biology has made 
enormous progress:
*Sanger&apos;s method makes it possible to find out the amino acid sequence of proteins.
*The main organelles and molecules involved in protein synthesis are known 
(ribosomes, messenger RNA and transfer RNA).
*It seems clear that each codon of messenger RNA, which stands for an amino acid, 
is made up of three nucleotides. So there are 64 different codons for 20 amino acids.
*Polynucleotide phosphorylase, isolated by Severo Ochoa, makes it possible to produce 
synthetic RNAs of known composition.

With the development of a cell-free translation system, everything is ready for 
an incredible series of discoveries that, in only 5 years, will decipher the whole 
genetic code.

Will you be able to contribute to this exciting task?</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+7"/>
        <source>El desxiframent del codi genètic</source>
        <translation>Deciphering the Genetic Code</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TFInventari</name>
    <message>
        <location filename="../../src/lab/Invntari.cpp" line="+46"/>
        <source>Material biològic</source>
        <translation>Biological material</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aparells</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reactius</source>
        <translation>Reagents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comprar...</source>
        <translation>&amp;Buy...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Inventari (%1)</source>
        <translation>Inventory (%1)</translation>
    </message>
</context>
<context>
    <name>TFNovaTecnica</name>
    <message>
        <location filename="../../src/lab/Novatecn.cpp" line="+39"/>
        <source>Quina tècnica hem de desenvolupar?</source>
        <translation>Which technique shall we develop?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Treball de laboratori</source>
        <translation>Laboratory work</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Permet desenvolupar:</source>
        <translation>Enables:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Desenvolupar una nova tècnica (%1)</source>
        <translation>Develop a New Technique (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cada mes podem fer %1</source>
        <translation>Each month we get %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aquest mes queden  %1</source>
        <translation>Left this month:  %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Avís</source>
        <translation>Notice</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Necessitem material per a</source>
        <translation>We need material to</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desenvolupar noves tècniques</source>
        <translation>develop new techniques</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Requereix %1</source>
        <translation>Requires %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Costa %1$</source>
        <translation>Costs %1$</translation>
    </message>
</context>
<context>
    <name>TFOpcionsSintesiProteines</name>
    <message>
        <location filename="../../src/exercises/OpcSinPr.cpp" line="+25"/>
        <source>Opcions de la síntesi de proteines</source>
        <translation>Protein Synthesis Options</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Demanar</source>
        <translation>Ask for</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anticodons</source>
        <translation>Anticodons</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aminoàcids</source>
        <translation>Amino acids</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Anticodons i aminoàcids</source>
        <translation>Anticodons and amino acids</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nombre de codons a traduir</source>
        <translation>Number of codons to translate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aleatori ( 3 -  5)</source>
        <translation>Random ( 3 -  5)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori ( 5 -10)</source>
        <translation>Random ( 5 -10)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aleatori ( 3 -10)</source>
        <translation>Random ( 3 -10)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 codons</source>
        <translation>%1 codons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TFOpcionsTaulaResum</name>
    <message>
        <location filename="../../src/exercises/OpcTauRs.cpp" line="+32"/>
        <source>Opcions de la taula resum</source>
        <translation>Summary Table Options</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Informació inicial:</source>
        <translation>Initial information:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cadena de DNA que es transcriu.</source>
        <translation>DNA strand that is transcribed.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fragments aleatoris.</source>
        <translation>Random fragments.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aminoàcids mostrats inicialment:</source>
        <translation>Amino acids shown at the start:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cap.</source>
        <translation>None.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>El més fàcil.</source>
        <translation>The easiest.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Un qualsevol.</source>
        <translation>Any one.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tots.</source>
        <translation>All.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RNA missatger</source>
        <translation>Messenger RNA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sempre AUG inicial</source>
        <translation>Always start with AUG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sempre STOP final</source>
        <translation>Always end with STOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Possibilitat STOPs interiors</source>
        <translation>Allow internal STOPs</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TFPrincipal</name>
    <message>
        <location filename="../../src/mainwindow/Rbmain.cpp" line="+110"/>
        <source>&amp;Fitxer</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a començar, acabar, obrir o desar recerques.</source>
        <translation>Commands to start, end, open or save research.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Nova recerca...</source>
        <translation>&amp;New Research...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Començar una nova recerca.</source>
        <translation>Start new research.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Obrir recerca...</source>
        <translation>&amp;Open Research...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recuperar la recerca desada a un fitxer.</source>
        <translation>Open research saved in a file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desar recerca...</source>
        <translation>&amp;Save Research...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Desar la recerca a un fitxer.</source>
        <translation>Save the research to a file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Informe de la recerca...</source>
        <translation>Research Re&amp;port...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Imprimir un informe de la recerca: dades, experiments i codons publicats.</source>
        <translation>Print a report of the research: details, experiments and published codons.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comparar recerques...</source>
        <translation>&amp;Compare Research Files...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comparar les recerques desades d&apos;una classe: experiments, conclusions i codons.</source>
        <translation>Compare the saved research files of a class: experiments, conclusions and codons.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ofertes &amp;laborals...</source>
        <translation>&amp;Job Offers...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les ofertes de feina que tenim.</source>
        <translation>See the job offers we have.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Passar torn</source>
        <translation>&amp;End Turn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Passar al mes següent.</source>
        <translation>Go on to the next month.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retirar-se</source>
        <translation>&amp;Retire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retirar-se de la investigació i acabar el programa.</source>
        <translation>Retire from research and quit the program.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exe&amp;rcicis</source>
        <translation>Exe&amp;rcises</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a fer exercicis sobre replicació, transcripció i traducció.</source>
        <translation>Commands to do exercises on replication, transcription and translation.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replicació del &amp;DNA...</source>
        <translation>&amp;DNA Replication...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de DNA, determinar la seqüència de la cadena complementària.</source>
        <translation>Given a DNA strand, work out the sequence of the complementary strand.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transcripció fabricant &amp;RNA...</source>
        <translation>Transcription into &amp;RNA...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de DNA, determinar la seqüència del RNA complementari.</source>
        <translation>Given a DNA strand, work out the sequence of the complementary RNA.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traducció...</source>
        <translation>Translation...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Donada una cadena de RNAm, traduir-la fabricant la proteïna corresponent.</source>
        <translation>Given an mRNA strand, translate it, making the matching protein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcions traducció...</source>
        <translation>Translation Options...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decidir les característiques de l&apos;RNA que es traduirà i què es demanarà.</source>
        <translation>Choose what the RNA to be translated will be like and what you will be asked for.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Taula resum...</source>
        <translation>&amp;Summary Table...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Omplir una taula que resumeix els processos de replicació, transcripció i traducció.</source>
        <translation>Fill in a table that sums up the processes of replication, transcription and translation.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Opcions taula...</source>
        <translation>Table &amp;Options...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Canviar la forma en què la taula resum presenta la informació inicial.</source>
        <translation>Change how the summary table presents the starting information.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Bibliografia</source>
        <translation>Li&amp;terature</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a revisar la bibliografia científica.</source>
        <translation>Commands to review the scientific literature.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Antecedents...</source>
        <translation>&amp;Background...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Revisar els antecedents més importants apareguts fins ara a la bibliografia científica.</source>
        <translation>Review the most important findings published in the scientific literature so far.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Novetats...</source>
        <translation>&amp;News...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les últimes novetats aparegudes a la bilbiografia científica.</source>
        <translation>See the latest news published in the scientific literature.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Taula...</source>
        <translation>&amp;Table...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure la taula del codi genètic.</source>
        <translation>See the genetic code table.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Publicar...</source>
        <translation>&amp;Publish...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Publicar el significat d&apos;un codó en una revista científica.</source>
        <translation>Publish the meaning of a codon in a scientific journal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Currículum...</source>
        <translation>&amp;Curriculum Vitae...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure el nostre currículum vítae com a investigadors.</source>
        <translation>See our curriculum vitae as researchers.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Laboratori</source>
        <translation>&amp;Laboratory</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a controlar el material del laboratori.</source>
        <translation>Commands to manage the laboratory&apos;s materials.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Inventari...</source>
        <translation>&amp;Inventory...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure tot el que hi ha al nostre laboratori.</source>
        <translation>See everything there is in our laboratory.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comprar...</source>
        <translation>&amp;Buy...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comprar aparells per al nostre laboratori.</source>
        <translation>Buy equipment for our laboratory.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tècniques &amp;publicades...</source>
        <translation>&amp;Published Techniques...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les tècniques experimentals publicades a la bibliografia científica.</source>
        <translation>See the experimental techniques published in the scientific literature.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tècniques dominades...</source>
        <translation>&amp;Mastered Techniques...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure les tècniques experimentals que podem fer al nostre laboratori.</source>
        <translation>See the experimental techniques we can do in our laboratory.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Desenvolupar tècnica...</source>
        <translation>&amp;Develop Technique...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Desenvolupar una nova tècnica experimental.</source>
        <translation>Develop a new experimental technique.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Experiment</source>
        <translation>&amp;Experiment</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per a fer experiments.</source>
        <translation>Commands to do experiments.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Traduir un RNA sintètic...</source>
        <translation>&amp;Translate a Synthetic RNA...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA sintètic en un sistema lliure de cèl.lules.</source>
        <translation>Translate a synthetic RNA in a cell-free system.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduir un RNA aleatori...</source>
        <translation>Translate a Random RNA...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA copolímer a l&apos;atzar en un sistema lliure de cèl.lules.</source>
        <translation>Translate a random RNA copolymer in a cell-free system.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Acoblar trinucleòtids...</source>
        <translation>&amp;Bind Trinucleotides...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Acoblar trinucleòtids amb ribosomes i aminoacil-t-RNA.</source>
        <translation>Bind trinucleotides to ribosomes and aminoacyl-tRNA.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Traduir un RNA &amp;víric...</source>
        <translation>Translate a &amp;Viral RNA...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Traduir un RNA víric en un sistema lliure de cèl.lules.</source>
        <translation>Translate a viral RNA in a cell-free system.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Revisar experiments...</source>
        <translation>&amp;Review Experiments...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Revisar els experiments fets anteriorment.</source>
        <translation>Review the experiments done earlier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comandaments per accedir al sistema d&apos;ajuda o veure la referència del programa.</source>
        <translation>Commands to open the help system or see information about the program.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Descripció general...</source>
        <translation>Overview...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Descripció general del programa.</source>
        <translation>Overview of the program.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Utilització del programa...</source>
        <translation>Using the Program...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Com utilitzar el programa.</source>
        <translation>How to use the program.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temes d&apos;ajuda...</source>
        <translation>Help Topics...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Índex del sistema d&apos;ajuda.</source>
        <translation>Index of the help system.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sobre Ribolia...</source>
        <translation>&amp;About Ribolia...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Veure la referència del programa.</source>
        <translation>See information about the program.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Triar l&apos;idioma del programa.</source>
        <translation>Choose the program&apos;s language.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fer servir el programa en català.</source>
        <translation>Use the program in Catalan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer servir el programa en castellà.</source>
        <translation>Use the program in Spanish.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer servir el programa en anglès.</source>
        <translation>Use the program in English.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Començar una nova recerca.|</source>
        <translation>Start new research.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obrir una recerca desada a un fitxer.|</source>
        <translation>Open research saved in a file.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desar la recerca.|</source>
        <translation>Save the research.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Veure la taula del codi genètic.|</source>
        <translation>See the genetic code table.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desenvolupar una nova tècnica.|</source>
        <translation>Develop a new technique.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un RNA sintètic i traduir-lo.|</source>
        <translation>Make a synthetic RNA and translate it.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un RNA copolímer a l&apos;atzar i traduir-lo.|</source>
        <translation>Make a random RNA copolymer and translate it.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repassar els experiments anteriors.|</source>
        <translation>Review the earlier experiments.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de replicació del DNA.|</source>
        <translation>Do a DNA replication exercise.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de transcripció, fabricant RNA.|</source>
        <translation>Do a transcription exercise, making RNA.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de traducció d&apos;un RNAm, fabricant una proteïna.|</source>
        <translation>Do an exercise on translating an mRNA, making a protein.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fer un exercici de taula resum.|</source>
        <translation>Do a summary table exercise.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passar al mes següent.|</source>
        <translation>Go on to the next month.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retirar-se de la recerca, acabant el programa.|</source>
        <translation>Retire from research, quitting the program.|</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>Provetes</source>
        <translation>Test tubes</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Vols desar-la abans de sortir?</source>
        <translation>Do you want to save it before quitting?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Vols desar-la abans de començar-ne una de nova?</source>
        <translation>Do you want to save it before starting a new one?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Vols desar-la abans d&apos;obrir-ne una altra?</source>
        <translation>Do you want to save it before opening another one?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>L&apos;idioma canviarà el proper cop que obris el programa.</source>
        <translation>The language will change the next time you open the program.</translation>
    </message>
</context>
<context>
    <name>TFRNASint</name>
    <message>
        <location filename="../../src/experiments/Polimer.cpp" line="+35"/>
        <source>Construcció d&apos;un RNAm polímer</source>
        <translation>Building an mRNA Polymer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Oligonucleòtid</source>
        <translation>Oligonucleotide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>RNA polímer</source>
        <translation>RNA polymer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Traduir</source>
        <translation>&amp;Translate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Un altre</source>
        <translation>&amp;Another</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Construcció de l&apos;oligonucleòtid</source>
        <translation>Building the oligonucleotide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Enrera</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es&amp;borrar</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Polimeritzar</source>
        <translation>&amp;Polymerize</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adenina</source>
        <translation>Adenine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Guanina</source>
        <translation>Guanine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Citosina</source>
        <translation>Cytosine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Uracil</source>
        <translation>Uracil</translation>
    </message>
</context>
<context>
    <name>TFSintProt</name>
    <message>
        <location filename="../../src/exercises/SintProt.cpp" line="+64"/>
        <source>Exercici de síntesi de proteïnes</source>
        <translation>Protein Synthesis Exercise</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Posició %1 de l&apos;RNAm</source>
        <translation>Position %1 of the mRNA</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Posició %1 de l&apos;anticodó de l&apos;RNAt %2</source>
        <translation>Position %1 of the anticodon of tRNA %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aminoàcid de l&apos;RNAt %1</source>
        <translation>Amino acid of tRNA %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tria a la taula del codi genètic l&apos;aminoàcid que porta aquest RNAt (Alt+T).</source>
        <translation>Choose in the genetic code table the amino acid this tRNA carries (Alt+T).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triar a la taula del codi genètic l&apos;aminoàcid d&apos;aquest RNAt</source>
        <translation>Choose the amino acid of this tRNA in the genetic code table</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aminoàcid %1 de la cadena</source>
        <translation>Amino acid %1 of the chain</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Errors</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Tornem-hi</source>
        <translation>Start Over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un altre</source>
        <translation>Another</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opcions...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Veure Taula</source>
        <translation>View Table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Ribosoma: %1. %2</source>
        <translation>Ribosome: %1. %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Aminoàcids: %1</source>
        <translation>Amino acids: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anticodons: %1</source>
        <translation>Anticodons: %1</translation>
    </message>
</context>
<context>
    <name>TFTaula</name>
    <message>
        <location filename="../../src/experiments/Taula.cpp" line="+65"/>
        <location line="+53"/>
        <source>Taula del codi genètic</source>
        <translation>Genetic Code Table</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Extrem 5&apos; del codó: primera base, a l&apos;esquerra</source>
        <translation>5&apos; end of the codon: first base, on the left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem 3&apos; del codó: tercera base, a la dreta</source>
        <translation>3&apos; end of the codon: third base, on the right</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fes clic en un codó per publicar-ne el significat o retirar-lo.</source>
        <translation>Click a codon to publish its meaning or withdraw it.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Segona lletra del codó</source>
        <translation>Second letter of the codon</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Primera lletra del codó</source>
        <translation>First letter of the codon</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tercera lletra dels codons que comencen per %1</source>
        <translation>Third letter of the codons that start with %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Un clic publica o retira el significat de %1.</source>
        <translation>A click publishes or withdraws the meaning of %1.</translation>
    </message>
</context>
<context>
    <name>TFTaulaResum</name>
    <message>
        <location filename="../../src/exercises/TaulaResum.cpp" line="+58"/>
        <source>Posició %1 de la primera cadena de DNA</source>
        <translation>Position %1 of the first DNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 de la segona cadena de DNA</source>
        <translation>Position %1 of the second DNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 de l&apos;RNAm</source>
        <translation>Position %1 of the mRNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posició %1 dels anticodons</source>
        <translation>Position %1 of the anticodons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DNA transcrita</source>
        <translation>Transcribed DNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNA complem.</source>
        <translation>Complem. DNA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Taula resum</source>
        <translation>Summary Table</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Errors comesos: </source>
        <translation>Mistakes made: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errors pendents:</source>
        <translation>Mistakes left:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>RNAm</source>
        <translation>mRNA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anticodons RNAt</source>
        <translation>tRNA anticodons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aminoàcids</source>
        <translation>Amino acids</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nom de la primera cadena de DNA</source>
        <translation>Name of the first DNA strand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la segona cadena de DNA</source>
        <translation>Name of the second DNA strand</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Extrem de l&apos;esquerra del pèptid</source>
        <translation>Left end of the peptide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extrem de la dreta del pèptid</source>
        <translation>Right end of the peptide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aminoàcid %1</source>
        <translation>Amino acid %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clicar l&apos;aminoàcid a la taula del codi genètic.|</source>
        <translation>Pick the amino acid in the genetic code table.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Triar l&apos;aminoàcid %1 a la taula del codi genètic</source>
        <translation>Choose amino acid %1 in the genetic code table</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Esborrar la casella.</source>
        <translation>Clear the box.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Espai: esborrar la casella; les fletxes mouen la tria</source>
        <translation>Space: clear the box; the arrow keys move the selection</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opcions...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Veure Taula</source>
        <translation>View Table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tornem-hi</source>
        <translation>Start Over</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Un altre</source>
        <translation>Another</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tancar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Errors comesos: %1</source>
        <translation>Mistakes made: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Errors pendents: %1</source>
        <translation>Mistakes left: %1</translation>
    </message>
</context>
<context>
    <name>TFTecniques</name>
    <message>
        <location filename="../../src/lab/Tecnica.cpp" line="+47"/>
        <source>Tècniques</source>
        <translation>Techniques</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tècniques Desenvolupades:</source>
        <translation>Developed Techniques:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Tècnica en desenvolupament:</source>
        <translation>Technique in progress:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel·lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No estem desenvolupant cap tècnica.</source>
        <translation>We are not developing any technique.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Estem investigant %1</source>
        <translation>We are working on %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hem dedicat %1</source>
        <translation>We&apos;ve put in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>(d&apos;un total de %1).</source>
        <translation>(out of %1).</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Hem gastat %1$</source>
        <translation>We&apos;ve spent %1$</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vols deixar de desenvolupar «%1»?
Es perdran les provetes que hi has dedicat i les que queden aquest mes; els diners gastats no es recuperen.</source>
        <translation>Do you want to stop developing “%1”?
The test tubes you have put into it and the ones left this month will be lost; the money spent cannot be recovered.</translation>
    </message>
</context>
<context>
    <name>TFTraduccio</name>
    <message>
        <location filename="../../src/experiments/Traduir.cpp" line="+37"/>
        <source>Aminoàcids presents en el polipèptid</source>
        <translation>Amino acids in the polypeptide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polipèptids produïts</source>
        <translation>Polypeptides produced</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+150"/>
        <source>Traducció d&apos;un RNA polímer</source>
        <translation>Translating an RNA Polymer</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>RNA polímer</source>
        <translation>RNA polymer</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Conclusions:</source>
        <translation>Conclusions:</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Primer experiment.|</source>
        <translation>First experiment.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiment anterior.|</source>
        <translation>Previous experiment.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiment següent.|</source>
        <translation>Next experiment.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Últim experiment.|</source>
        <translation>Last experiment.|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;raduir</source>
        <translation>&amp;Translate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Publicar codó</source>
        <translation>Publish Codon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tancar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Repassar els experiments anteriors</source>
        <translation>Reviewing Previous Experiments</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Experiment número %1</source>
        <translation>Experiment number %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Experiment número %1 (de %2)</source>
        <translation>Experiment number %1 (of %2)</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Queda 1 caràcter.</source>
        <translation>1 character left.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queden %1 caràcters.</source>
        <translation>%1 characters left.</translation>
    </message>
</context>
<context>
    <name>TFTriaOfertes</name>
    <message>
        <location filename="../../src/mainwindow/Triaofer.cpp" line="+26"/>
        <source>Ofertes de centres investigadors</source>
        <translation>Job Offers from Research Centers</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tria el centre on vulguis investigar:</source>
        <translation>Choose where you want to do research:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&apos;ac&amp;ord</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel.lar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
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
        <translation>&amp;Technique:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Explicació del tutor</source>
        <translation>Tutor&apos;s explanation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aj&amp;uda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tan&amp;car</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>&lt;p&gt;El laboratori ja domina totes les tècniques.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The laboratory has already mastered every technique.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Què li falta:&lt;/b&gt; res; ja la pots desenvolupar.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;What it lacks:&lt;/b&gt; nothing; you can develop it now.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;Què li falta:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;What it lacks:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;li&gt;Comprar %1: %2 en total%3.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Buy %1: %2 in total%3.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (ara en tenim %1)</source>
        <translation> (we have %1 now)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;li&gt;Dominar abans, en aquest ordre: %1.&lt;/li&gt;</source>
        <translation>&lt;li&gt;Master first, in this order: %1.&lt;/li&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;&lt;b&gt;Què costa:&lt;/b&gt; %1 provetes a %2 cadascuna, %3 en total.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;What it costs:&lt;/b&gt; %1 test tubes at %2 each, %3 in total.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>L&apos;acabaríem aquest mateix mes, amb les provetes que queden.</source>
        <translation>We would finish it this very month, with the test tubes left.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;&lt;b&gt;Quant dura:&lt;/b&gt; %1 Cada mes el laboratori fa %2 provetes.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;How long it takes:&lt;/b&gt; %1 Each month the laboratory can do %2 test tubes.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;p&gt;&lt;b&gt;Què permet:&lt;/b&gt; %1</source>
        <translation>&lt;p&gt;&lt;b&gt;What it enables:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cap altra tècnica.</source>
        <translation>no other technique.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desenvolupar %1.</source>
        <translation>developing %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> I obre els experiments de &lt;i&gt;%1&lt;/i&gt;.</source>
        <translation> It also opens up the &lt;i&gt;%1&lt;/i&gt; experiments.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;h3&gt;Què pots comprar&lt;/h3&gt;&lt;p&gt;Aquestes compres obren tècniques noves, de la més barata a la més cara (tenim %1):&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;h3&gt;What you can buy&lt;/h3&gt;&lt;p&gt;These purchases open up new techniques, from the cheapest to the most expensive (we have %1):&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;li&gt;%1: %2 — obre &lt;b&gt;%3&lt;/b&gt;.&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: %2 — opens up &lt;b&gt;%3&lt;/b&gt;.&lt;/li&gt;</translation>
    </message>
</context>
<context>
    <name>TPanellInici</name>
    <message>
        <location filename="../../src/mainwindow/PanellInici.cpp" line="+79"/>
        <source>Exercicis sobre el flux de la informació genètica</source>
        <translation>Exercises on the flow of genetic information</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Codi:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fitxer:</source>
        <translation>File:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiments:</source>
        <translation>Experiments:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codons publicats:</source>
        <translation>Published codons:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darrer experiment:</source>
        <translation>Last experiment:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conclusions:</source>
        <translation>Conclusions:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre:</source>
        <translation>Center:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mes:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners i provetes:</source>
        <translation>Money and test tubes:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En desenvolupament:</source>
        <translation>In progress:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progrés de la tècnica</source>
        <translation>Technique progress</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+8"/>
        <source>Què puc fer ara?</source>
        <translation>What can I do now?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fer el pas suggerit</source>
        <translation>Take the suggested step</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recerca de %1</source>
        <translation>Research by %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recerca sense nom</source>
        <translation>Unnamed research</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Codi aleatori</source>
        <translation>Random code</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Codi real</source>
        <translation>Real code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encara no s&apos;ha desat.</source>
        <translation>Not saved yet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 de %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 de 64</source>
        <translation>%1 of 64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encara cap.</source>
        <translation>None yet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encara no n&apos;has escrit.</source>
        <translation>You haven&apos;t written any yet.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 $ i %2 provetes (%3 $ i %4 provetes cada mes)</source>
        <translation>%1 $ and %2 test tubes (%3 $ and %4 test tubes each month)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cap tècnica.</source>
        <translation>No technique.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 de %3 provetes</source>
        <translation>%1: %2 of %3 test tubes</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fes el primer experiment: construeix un RNA sintètic i tradueix-lo en el sistema lliure de cèl·lules.</source>
        <translation>Do your first experiment: build a synthetic RNA and translate it in the cell-free system.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>L&apos;experiment %1 té resultats però encara no té conclusions: repassa&apos;l i escriu què en dedueixes.</source>
        <translation>Experiment %1 has results but no conclusions yet: review it and write what you deduce from it.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Els teus experiments han llegit un codó que encara no has publicat: obre la taula del codi i fes clic al codó per publicar-ne el significat.</source>
        <translation>Your experiments have read a codon you haven&apos;t published yet: open the code table and click the codon to publish its meaning.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Els teus experiments han llegit %1 codons que encara no has publicat: obre la taula del codi i fes clic al codó per publicar-ne el significat.</source>
        <translation>Your experiments have read %1 codons you haven&apos;t published yet: open the code table and click a codon to publish its meaning.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fes més experiments amb RNA sintètics diferents per llegir codons nous, i publica el que en dedueixis.</source>
        <translation>Do more experiments with different synthetic RNAs to read new codons, and publish what you deduce.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>El registre ja té els 60 experiments: repassa&apos;ls i publica a la taula del codi el que n&apos;has deduït.</source>
        <translation>The log already holds its 60 experiments: review them and publish in the code table what you have deduced.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Has publicat el significat dels 64 codons: el codi està desxifrat!</source>
        <translation>You have published the meaning of all 64 codons: the code is deciphered!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El laboratori encara és buit: compra els aparells bàsics i els reactius bàsics, que demana la primera tècnica.</source>
        <translation>The laboratory is still empty: buy the basic equipment and the basic reagents, which the first technique requires.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Amb el que tens no pots desenvolupar cap tècnica: el Tutor de Desenvolupar tècnica et diu què cal comprar.</source>
        <translation>With what you have you cannot develop any technique: the Tutor in Develop Technique tells you what to buy.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Amb el que tens no pots desenvolupar cap tècnica. La compra més barata obre «%1»: el Tutor de Desenvolupar tècnica t&apos;hi ajuda.</source>
        <translation>With what you have you cannot develop any technique. The cheapest purchase opens up “%1”: the Tutor in Develop Technique will help you.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ja pots desenvolupar una tècnica: tria-la i comença.</source>
        <translation>You can now develop a technique: choose it and start.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ja pots desenvolupar %1 tècniques: tria&apos;n una i comença.</source>
        <translation>You can now develop %1 techniques: choose one and start.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>El laboratori treballa en «%1»: passa torn perquè avanci amb les provetes del mes nou.</source>
        <translation>The laboratory is working on “%1”: end the turn so that it moves on with the new month&apos;s test tubes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ja domines la traducció de copolímers: prova de traduir un RNA copolímer a l&apos;atzar.</source>
        <translation>You have now mastered the translation of copolymers: try translating a random RNA copolymer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cada experiment costa %1 provetes i %2 $, i ara no n&apos;hi ha prou: passa torn per tenir-ne de noves.</source>
        <translation>Each experiment costs %1 test tubes and %2 $, and right now there aren&apos;t enough: end the turn to get new ones.</translation>
    </message>
</context>
<context>
    <name>TRecercaOberta</name>
    <message>
        <location filename="../../src/mainwindow/RecercaOberta.cpp" line="+12"/>
        <source>Simulacions Ribolia (*.srb);;Tots els fitxers (*)</source>
        <translation>Ribolia research files (*.srb);;All files (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Simulacions Ribolia (*.srb)</source>
        <translation>Ribolia research files (*.srb)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>La recerca ha canviat des que la vas començar, obrir o desar.</source>
        <translation>The research has changed since you started, opened or saved it.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Desar recerca</source>
        <translation>Save Research</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Obrir recerca</source>
        <translation>Open Research</translation>
    </message>
</context>
<context>
    <name>TaulaClasse</name>
    <message>
        <location filename="../../src/platform/TaulaClasse.cpp" line="+19"/>
        <source>Exercicis</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi genètic</source>
        <translation>Genetic code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Joc amb pressupost</source>
        <translation>Budget game</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Aleatori</source>
        <translation>Random</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Fitxer</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nivell</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recerca</source>
        <translation>Research</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codi</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experiments</source>
        <translation>Experiments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amb conclusions</source>
        <translation>With conclusions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Codons publicats</source>
        <translation>Published codons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diners</source>
        <translation>Money</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Provetes</source>
        <translation>Test tubes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tècniques dominades</source>
        <translation>Mastered techniques</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No s&apos;ha pogut llegir com a recerca: %1.</source>
        <translation>Could not be read as research: %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No s&apos;ha pogut llegir la carpeta «%1».
</source>
        <translation>Could not read the folder “%1”.
</translation>
    </message>
</context>
<context>
    <name>TextosJoc</name>
    <message>
        <location filename="../../src/platform/TextosJoc.cpp" line="+18"/>
        <source>%1 de %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ESO</source>
        <translation>Lower secondary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Batxillerat</source>
        <translation>Upper secondary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Universitari</source>
        <translation>University</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tenim  %1 $.</source>
        <translation>Funds  %1 $.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cobrem %1 $ cada mes.</source>
        <translation>Income %1 $ each month.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gastem %1 $.</source>
        <translation>Cost: %1 $.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Queden %1 $.</source>
        <translation>Left: %1 $.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sense provetes cada mes no l&apos;acabarem mai.</source>
        <translation>With no test tubes each month we&apos;ll never finish it.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acabarem d&apos;aquí %1 mes.</source>
        <translation>We&apos;ll finish in %1 month.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acabarem d&apos;aquí %1 mesos.</source>
        <translation>We&apos;ll finish in %1 months.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/main.cpp" line="+31"/>
        <source>Ribolia: el flux de la informació genètica. Sense opcions, obre el programa; amb un fitxer, hi obre aquella recerca.</source>
        <translation>Ribolia: the flow of genetic information. With no options, it opens the program; with a file, it opens that research in it.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mostra aquestes opcions i acaba.</source>
        <translation>Shows these options and exits.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Escriu a la sortida estàndard, en CSV, el resum de cada recerca (.srb) de la CARPETA, sense obrir cap finestra.</source>
        <translation>Writes the summary of each research file (.srb) in FOLDER to standard output, as CSV, without opening any window.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>CARPETA</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>fitxer</source>
        <translation>file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Una recerca desada (.srb) per obrir.</source>
        <translation>A saved research file (.srb) to open.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[fitxer]</source>
        <translation>[file]</translation>
    </message>
</context>
</TS>

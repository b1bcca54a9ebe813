<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation>(aucun texte)</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation>1 espace</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 espaces</translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation>aucune ponctuation</translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation>Espaces au début&#xa0;: %1 dans le nouveau texte, %2 dans l’ancien.</translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation>Espaces à la fin&#xa0;: %1 dans le nouveau texte, %2 dans l’ancien.</translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation>Le nouveau texte a des espaces doublées&#xa0;; l’ancien n’en a aucune.</translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation>Le nouveau texte finit par %1, l’ancien par %2.</translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation>Le nouveau texte commence par une minuscule, l’ancien par une majuscule.</translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation>Le nouveau texte commence par une majuscule, l’ancien par une minuscule.</translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation>Il manque au nouveau texte les chiffres %1 de l’ancien.</translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation>La ligne %1, %2, dit la même chose mais est traduite par %3.</translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation>La ligne %1, %2, reçoit le même nouveau texte.</translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation>Mal orthographié&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation>Langue des anciens textes&#xa0;:</translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation>Langue des nouveaux textes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation>La bibliothèque est endommagée&#xa0;: seuls %1 éléments sur %2 ont pu être lus. L’enregistrement écrira ces %1 éléments&#xa0;; les %3 autres manqueront dans le fichier écrit.</translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation> Ce qui suit le dernier élément (%1) ne sera pas écrit non plus.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation>L’une des nouvelles catégories n’a pas été enregistrée. L’enregistrer avant %1&#xa0;?</translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation>%1 des nouvelles catégories n’ont pas été enregistrées. Les enregistrer avant %2&#xa0;?</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 éléments sur %2</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation>%1 · %2 · %3 catégories · %4 modifiées · Windows-%5</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>«&#xa0;%1&#xa0;» contient des textes en %2 langues. En quelle langue sont les anciennes catégories, et en quelle langue leurs nouveaux textes&#xa0;?</translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Le fichier %1 indique les langues de ses textes. En quelle langue sont les anciennes catégories, et en quelle langue leurs nouveaux textes&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation>Encodage du texte</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation>Le fichier se termine au milieu de la taille de l’élément %1.</translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation>L’élément %1 annonce une taille inférieure à son en-tête.</translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation>L’élément %1 dépasse la fin du fichier.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’est pas une bibliothèque Zembrel.</translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation>La bibliothèque «&#xa0;%1&#xa0;» est endommagée&#xa0;: %2 éléments sur %3 ont pu être lus.</translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation>La mémoire ne suffit pas pour charger la bibliothèque «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation>Dans la bibliothèque «&#xa0;%1&#xa0;», %2 après le dernier des %3 éléments n’a pas été lu. Un enregistrement ne le conservera pas.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation>Dans la bibliothèque «&#xa0;%1&#xa0;», %2 après le dernier des %3 éléments n’ont pas été lus. Un enregistrement ne les conservera pas.</translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation>ligne %1, l’entrée au pluriel %2 (une catégorie n’a pas de formes plurielles)</translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation>ligne %1, l’entrée %2 (elle contient un échappement NUL, qui termine un texte dans un catalogue)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation>ligne %1, l’unité %2 (elle n’a pas de texte cible)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation>ligne %1, l’unité %2 (elle contient des codes en ligne, la mise en forme d’un autre type de document, qu’une catégorie ne peut pas porter)</translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation>Correspondance de catégories (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation>La correspondance n’a pas été importée et aucune catégorie n’a été modifiée.

%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation>L’unique entrée de «&#xa0;%1&#xa0;» n’est pas</translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation>Aucune des %1 entrées de «&#xa0;%2&#xa0;» n’est</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation> une catégorie de «&#xa0;%1&#xa0;», mais la plupart le sont lues en %2&#xa0;: choisissez-le sous Encodage du texte. Aucune catégorie n’a été modifiée.</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation> une catégorie de «&#xa0;%1&#xa0;». Est-ce la correspondance d’une autre bibliothèque&#xa0;? Aucune catégorie n’a été modifiée.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation>La correspondance «&#xa0;%1&#xa0;» n’a modifié aucune catégorie.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation> %1 de cette bibliothèque&#xa0;: %2.</translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation>1 de ses entrées n’est pas une catégorie</translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation>%1 de ses entrées ne sont pas des catégories</translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation> Lues en %1, ce sont pour la plupart des catégories&#xa0;: choisissez-le sous Encodage du texte.</translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation> Non appliquées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation>La correspondance «&#xa0;%1&#xa0;» a modifié 1 catégorie.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation>La correspondance «&#xa0;%1&#xa0;» a modifié %2 catégories.</translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation> 1 entrée marquée floue n’a pas été appliquée.</translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation> %1 entrées marquées floues n’ont pas été appliquées.</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation>Progression&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation>le nouveau fichier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation>le nouveau fichier n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>le nouveau fichier n’a pas pu remplacer l’ancien</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>le fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation>Impossible d’enregistrer %1 dans «&#xa0;%2&#xa0;»&#xa0;: c’est un descripteur de processus, pas un fichier.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation>Impossible d’enregistrer %1 dans «&#xa0;%2&#xa0;»&#xa0;: %3 (%4).</translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation> Le fichier temporaire «&#xa0;%1&#xa0;» n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation>La mémoire ne suffit pas pour enregistrer %1 dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation>Impossible d’enregistrer %1 dans «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation>Impossible d’enregistrer %1 dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>library</source>
        <translation>la bibliothèque</translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation>La correspondance n’a pas été enregistrée&#xa0;: «&#xa0;%1&#xa0;» est une bibliothèque, et une correspondance n’en écrase jamais une.</translation>
    </message>
    <message>
        <source>map</source>
        <translation>la correspondance</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation>La bibliothèque contient encore %1 après son dernier élément&#xa0;; l’enregistrement ne l’écrira pas. Enregistrer sans lui&#xa0;?</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation>La bibliothèque contient encore %1 après son dernier élément&#xa0;; l’enregistrement ne les écrira pas. Enregistrer sans eux&#xa0;?</translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation>%1 octets restants</translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 n’a pas %2</translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation>plus de %1 octets, coupé à %1</translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation>Enregistré comme %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation>Enregistré comme %1, comme la ligne %2 %3&#xa0;: les deux deviennent une seule catégorie</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation>%1 à l’identique&#xa0;:

%2

Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>One new category</source>
        <translation>Une nouvelle catégorie ne sera pas enregistrée</translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation>%1 nouvelles catégories ne seront pas enregistrées</translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation>Ancienne catégorie</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(aucun texte)</translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation>Modifiée, auparavant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation>Aucune ligne après celle-ci n’échoue à une vérification.</translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation>Aucune ligne avant celle-ci n’échoue à une vérification.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Pas enregistrée telle que saisie</translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation>Aucune ligne après celle-ci n’est encore à faire.</translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation>Aucune ligne avant celle-ci n’est encore à faire.</translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation>Après celle-ci, chaque ligne est enregistrée telle que saisie.</translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation>Avant celle-ci, chaque ligne est enregistrée telle que saisie.</translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation>Aucune ligne modifiée après celle-ci.</translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation>Aucune ligne modifiée avant celle-ci.</translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation>de charger «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation>Zembrel - Traducteur de catégories de bibliothèque</translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation>Charger la bibliothèque</translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation>Enregistrer la bibliothèque</translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation>Bibliothèque Zembrel (*.zbl)</translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation>Le dictionnaire %1 est illisible.</translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation>Anciennes catégories</translation>
    </message>
    <message>
        <source>New categories</source>
        <translation>Nouvelles catégories</translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation>Image d’une bibliothèque de dessins</translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation>zbl-translator · logiciel libre fait avec Qt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation>Exporter la correspondance…</translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation>Importer une correspondance…</translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation>Ajouter une mémoire de traduction…</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Prétraduire depuis la mémoire</translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation>Utiliser la suggestion %1</translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation>Table des traductions…</translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation>Suivante à faire</translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation>Précédente à faire</translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation>Suivante pas enregistrée telle que saisie</translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation>Suivante en échec de vérification</translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation>Précédente en échec de vérification</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>de fermer</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation>La fenêtre accepte un fichier déposé&#xa0;: une bibliothèque (.zbl), qu’elle charge, ou une correspondance de catégories (.po, .tsv, .txt), qu’elle importe.</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation>La fenêtre accepte un fichier déposé&#xa0;: une bibliothèque (.zbl), qu’elle charge. Une fois une bibliothèque chargée, une correspondance de catégories (.po, .tsv, .txt) déposée est importée.</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Modifier «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation>Importer une correspondance</translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation>Exporter la correspondance</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation>Lecture de la correspondance…</translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation>Importer «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation>Ajouter une mémoire de traduction</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation>Le fichier n’a pas été ajouté à la mémoire de traduction.

%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucune traduction réutilisable&#xa0;: aucune de ses entrées ne donne un nouveau texte à une catégorie.</translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation>1 traduction de «&#xa0;%1&#xa0;» reste dans la mémoire de traduction jusqu’à la fin du programme.</translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation>%1 traductions de «&#xa0;%2&#xa0;» restent dans la mémoire de traduction jusqu’à la fin du programme.</translation>
    </message>
    <message>
        <source>this library</source>
        <translation>cette bibliothèque</translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation>Aucune catégorie encore à faire n’a son ancien texte dans la mémoire de traduction.</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Prétraduire depuis la mémoire</translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation>1 catégorie encore à faire a reçu la traduction de son ancien texte depuis la mémoire de traduction.</translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation>%1 catégories encore à faire ont reçu la traduction de leur ancien texte depuis la mémoire de traduction.</translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
</context>
<context>
    <name>TSaveChecks</name>
    <message>
        <source>Sorry - There is an empty category!</source>
        <translation>Désolé - il y a une catégorie vide&#xa0;!</translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation>Aucune bibliothèque n’est chargée. Enregistrer une bibliothèque vide, sans éléments&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation>Orthographe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
</context>
<context>
    <name>TSuggestionModel</name>
    <message>
        <source>%1  %2%  %3 → %4  (%5)</source>
        <translation>%1  %2&#xa0;%  %3 → %4  (%5)</translation>
    </message>
    <message>
        <source>%1% alike: &quot;%2&quot; became &quot;%3&quot; in %4</source>
        <translation>Semblable à %1&#xa0;%&#xa0;: «&#xa0;%2&#xa0;» est devenu «&#xa0;%3&#xa0;» dans %4</translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation>Suggestions de la mémoire de traduction</translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation>Table des traductions</translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation>Chercher dans les anciens et nouveaux textes</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Lignes affichées</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Pas enregistrée telle que saisie</translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation>Vérifications en échec</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation>Suggestions de la mémoire de traduction&#xa0;:</translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation>Copier l’ancien texte dans le nouveau</translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation>Revenir au texte enregistré</translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation>Copier les anciens textes</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Retour au texte enregistré</translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation>Cette expression régulière n’est pas valide.</translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation>%1 affichées · %2 catégories · %3 à faire · %4 modifiées · %5 pas telles que saisies</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation>(χωρίς κείμενο)</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 στοιχείο</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 στοιχεία</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation>1 κενό</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 κενά</translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation>χωρίς σημείο στίξης</translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation>Κενά στην αρχή: %1 στο νέο κείμενο, %2 στο παλιό.</translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation>Κενά στο τέλος: %1 στο νέο κείμενο, %2 στο παλιό.</translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation>Το νέο κείμενο έχει διπλά κενά· το παλιό δεν έχει.</translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation>Το νέο κείμενο τελειώνει σε %1, το παλιό σε %2.</translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation>Το νέο κείμενο αρχίζει με πεζό γράμμα, το παλιό με κεφαλαίο.</translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation>Το νέο κείμενο αρχίζει με κεφαλαίο γράμμα, το παλιό με πεζό.</translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation>Στο νέο κείμενο λείπουν τα ψηφία %1 του παλιού.</translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation>Η γραμμή %1, %2, λέει το ίδιο αλλά έχει μεταφραστεί ως %3.</translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation>Η γραμμή %1, %2, έχει το ίδιο νέο κείμενο.</translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation>Ορθογραφικά λάθη: %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation>Αποθήκευση παρ’ όλα αυτά</translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation>Γλώσσα των παλιών κειμένων:</translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation>Γλώσσα των νέων κειμένων:</translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation>Η βιβλιοθήκη είναι κατεστραμμένη: διαβάστηκαν μόνο %1 από %2 στοιχεία. Η αποθήκευση θα γράψει αυτά τα %1 στοιχεία· τα άλλα %3 θα λείπουν από το αρχείο που γράφει.</translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation> Ούτε ό,τι ακολουθεί το τελευταίο στοιχείο (%1) θα γραφτεί.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Αποθήκευση παρ’ όλα αυτά;</translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation>Μία από τις νέες κατηγορίες δεν έχει αποθηκευτεί. Να αποθηκευτεί πριν από %1;</translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation>%1 από τις νέες κατηγορίες δεν έχουν αποθηκευτεί. Να αποθηκευτούν πριν από %2;</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 από %2 στοιχεία</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 στοιχεία</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation>%1 · %2 · %3 κατηγορίες · %4 αλλαγμένες · Windows-%5</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Το «%1» περιέχει κείμενα σε %2 γλώσσες. Σε ποια γλώσσα είναι οι παλιές κατηγορίες και σε ποια τα νέα τους κείμενα;</translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Το αρχείο %1 ορίζει τις γλώσσες των κειμένων του. Σε ποια γλώσσα είναι οι παλιές κατηγορίες και σε ποια τα νέα τους κείμενα;</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation>Κωδικοποίηση κειμένου</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation>Το αρχείο τελειώνει μέσα στο μέγεθος του στοιχείου %1.</translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation>Το στοιχείο %1 δηλώνει μέγεθος μικρότερο από την κεφαλίδα του.</translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation>Το στοιχείο %1 ξεπερνά το τέλος του αρχείου.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Δεν ήταν δυνατό να ανοιχτεί το αρχείο «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation>Το αρχείο «%1» δεν είναι βιβλιοθήκη Zembrel.</translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation>Η βιβλιοθήκη «%1» είναι κατεστραμμένη: διαβάστηκαν %2 από %3 στοιχεία.</translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη για να φορτωθεί η βιβλιοθήκη «%1».</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation>Στη βιβλιοθήκη «%1», %2 μετά το τελευταίο από τα %3 στοιχεία δεν διαβάστηκε. Η αποθήκευση δεν θα το κρατήσει.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation>Στη βιβλιοθήκη «%1», %2 μετά το τελευταίο από τα %3 στοιχεία δεν διαβάστηκαν. Η αποθήκευση δεν θα τα κρατήσει.</translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation>γραμμή %1, η καταχώριση πληθυντικού %2 (μια κατηγορία δεν έχει πληθυντικούς τύπους)</translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation>γραμμή %1, η καταχώριση %2 (περιέχει διαφυγή NUL, που τερματίζει ένα κείμενο σε κατάλογο)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation>γραμμή %1, η μονάδα %2 (δεν έχει κείμενο-στόχο)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation>γραμμή %1, η μονάδα %2 (περιέχει ενσωματωμένους κωδικούς, μορφοποίηση άλλου είδους εγγράφου, που μια κατηγορία δεν μπορεί να φέρει)</translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation>Αντιστοίχιση κατηγοριών (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation>Η αντιστοίχιση δεν εισήχθη και καμία κατηγορία δεν άλλαξε.

%1: %2</translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation>Η μοναδική καταχώριση του «%1» δεν είναι</translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation>Καμία από τις %1 καταχωρίσεις του «%2» δεν είναι</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation> κατηγορία του «%1», αλλά οι περισσότερες είναι, αν διαβαστούν ως %2: επιλέξτε το στην Κωδικοποίηση κειμένου. Καμία κατηγορία δεν άλλαξε.</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation> κατηγορία του «%1». Μήπως είναι η αντιστοίχιση άλλης βιβλιοθήκης; Καμία κατηγορία δεν άλλαξε.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation>Η αντιστοίχιση «%1» δεν άλλαξε καμία κατηγορία.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>και %1 ακόμη</translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation> %1 αυτής της βιβλιοθήκης: %2.</translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation>1 από τις καταχωρίσεις της δεν είναι κατηγορία</translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation>%1 από τις καταχωρίσεις της δεν είναι κατηγορίες</translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation> Αν διαβαστούν ως %1, οι περισσότερες είναι κατηγορίες: επιλέξτε το στην Κωδικοποίηση κειμένου.</translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation> Δεν εφαρμόστηκαν: %1.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation>Η αντιστοίχιση «%1» άλλαξε 1 κατηγορία.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation>Η αντιστοίχιση «%1» άλλαξε %2 κατηγορίες.</translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation> 1 καταχώριση σημειωμένη ως ασαφής δεν εφαρμόστηκε.</translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation> %1 καταχωρίσεις σημειωμένες ως ασαφείς δεν εφαρμόστηκαν.</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation>Πρόοδος: %1 %</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation>δεν ήταν δυνατό να δημιουργηθεί το νέο αρχείο</translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation>δεν ήταν δυνατό να γραφτεί το νέο αρχείο</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>το νέο αρχείο δεν μπόρεσε να πάρει τη θέση του παλιού</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>δεν ήταν δυνατό να διαβαστεί το αρχείο</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation>Δεν ήταν δυνατό να αποθηκευτεί %1 στο «%2»: είναι περιγραφέας διεργασίας, όχι αρχείο.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation>Δεν ήταν δυνατό να αποθηκευτεί %1 στο «%2»: %3 (%4).</translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation> Δεν ήταν δυνατό να αφαιρεθεί το προσωρινό αρχείο «%1».</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Το αρχείο έμεινε όπως ήταν.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Δεν γράφτηκε τίποτα.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη για να αποθηκευτεί %1 στο «%2».</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation>Δεν ήταν δυνατό να αποθηκευτεί %1 στο «%2»: %3.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation>Δεν ήταν δυνατό να αποθηκευτεί %1 στο «%2».</translation>
    </message>
    <message>
        <source>library</source>
        <translation>η βιβλιοθήκη</translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation>Η αντιστοίχιση δεν αποθηκεύτηκε: το «%1» είναι βιβλιοθήκη, και μια αντιστοίχιση δεν γράφεται ποτέ πάνω σε βιβλιοθήκη.</translation>
    </message>
    <message>
        <source>map</source>
        <translation>η αντιστοίχιση</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation>Η βιβλιοθήκη τελειώνει με %1 μετά το τελευταίο της στοιχείο, που η αποθήκευση δεν θα γράψει. Αποθήκευση χωρίς αυτό;</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation>Η βιβλιοθήκη τελειώνει με %1 μετά το τελευταίο της στοιχείο, που η αποθήκευση δεν θα γράψει. Αποθήκευση χωρίς αυτά;</translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation>απομένουν %1 bytes</translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation>το %1 δεν έχει %2</translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation>πάνω από %1 bytes, κόπηκε στα %1</translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation>Αποθηκεύεται ως %1: %2</translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation>Αποθηκεύεται ως %1, όπως η γραμμή %2 %3: οι δύο γίνονται μία κατηγορία</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>και %1 ακόμη</translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation>%1 όπως πληκτρολογήθηκε:

%2

Αποθήκευση παρ’ όλα αυτά;</translation>
    </message>
    <message>
        <source>One new category</source>
        <translation>Μία νέα κατηγορία δεν θα αποθηκευτεί</translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation>%1 νέες κατηγορίες δεν θα αποθηκευτούν</translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation>Νέα κατηγορία</translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation>Παλιά κατηγορία</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Νέα κατηγορία</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Στοιχεία</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Σημείωση</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(χωρίς κείμενο)</translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation>Άλλαξε από «%1»</translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation>Καμία γραμμή μετά από αυτή δεν αποτυγχάνει σε έλεγχο.</translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation>Καμία γραμμή πριν από αυτή δεν αποτυγχάνει σε έλεγχο.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(κενό)</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Εκκρεμεί</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Άλλαξε</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Όχι όπως πληκτρολογήθηκε</translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation>Καμία γραμμή μετά από αυτή δεν εκκρεμεί.</translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation>Καμία γραμμή πριν από αυτή δεν εκκρεμεί.</translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation>Μετά από αυτή, κάθε γραμμή αποθηκεύεται όπως πληκτρολογήθηκε.</translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation>Πριν από αυτή, κάθε γραμμή αποθηκεύεται όπως πληκτρολογήθηκε.</translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation>Καμία αλλαγμένη γραμμή μετά από αυτή.</translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation>Καμία αλλαγμένη γραμμή πριν από αυτή.</translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation>τη φόρτωση του «%1»</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation>Zembrel - Μετάφραση κατηγοριών βιβλιοθήκης</translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation>Φόρτωση βιβλιοθήκης</translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation>Αποθήκευση βιβλιοθήκης</translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation>Βιβλιοθήκη Zembrel (*.zbl)</translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation>Το λεξικό %1 δεν μπορεί να διαβαστεί.</translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation>Παλιές κατηγορίες</translation>
    </message>
    <message>
        <source>New categories</source>
        <translation>Νέες κατηγορίες</translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation>Εικόνα βιβλιοθήκης σχεδίων</translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation>zbl-translator · ελεύθερο λογισμικό φτιαγμένο με Qt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation>Εξαγωγή αντιστοίχισης…</translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation>Εισαγωγή αντιστοίχισης…</translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation>Προσθήκη μνήμης μεταφράσεων…</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Προμετάφραση από τη μνήμη</translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation>Χρήση πρότασης %1</translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation>Πίνακας μεταφράσεων…</translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation>Επόμενη εκκρεμής</translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation>Προηγούμενη εκκρεμής</translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation>Επόμενη όχι όπως πληκτρολογήθηκε</translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation>Επόμενη με αποτυχημένο έλεγχο</translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation>Προηγούμενη με αποτυχημένο έλεγχο</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Μενού</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>το κλείσιμο</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation>Το παράθυρο δέχεται ένα αρχείο που αφήνεται πάνω του: μια βιβλιοθήκη (.zbl), την οποία φορτώνει, ή μια αντιστοίχιση κατηγοριών (.po, .tsv, .txt), την οποία εισάγει.</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation>Το παράθυρο δέχεται ένα αρχείο που αφήνεται πάνω του: μια βιβλιοθήκη (.zbl), την οποία φορτώνει. Όταν έχει φορτωθεί βιβλιοθήκη, μια αντιστοίχιση κατηγοριών (.po, .tsv, .txt) που αφήνεται εισάγεται.</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Επεξεργασία «%1»</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation>Εισαγωγή αντιστοίχισης</translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation>Εξαγωγή αντιστοίχισης</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation>Ανάγνωση της αντιστοίχισης…</translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation>Εισαγωγή «%1»</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation>Προσθήκη μνήμης μεταφράσεων</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation>Το αρχείο δεν προστέθηκε στη μνήμη μεταφράσεων.

%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation>Το «%1» δεν περιέχει μετάφραση για επαναχρησιμοποίηση: καμία καταχώρισή του δεν δίνει σε κατηγορία νέο κείμενο.</translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation>1 μετάφραση από το «%1» είναι στη μνήμη μεταφράσεων μέχρι να τερματιστεί το πρόγραμμα.</translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation>%1 μεταφράσεις από το «%2» είναι στη μνήμη μεταφράσεων μέχρι να τερματιστεί το πρόγραμμα.</translation>
    </message>
    <message>
        <source>this library</source>
        <translation>αυτή η βιβλιοθήκη</translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation>Καμία εκκρεμής κατηγορία δεν έχει το παλιό της κείμενο στη μνήμη μεταφράσεων.</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Προμετάφραση από τη μνήμη</translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation>1 εκκρεμής κατηγορία πήρε τη μετάφραση του παλιού της κειμένου από τη μνήμη μεταφράσεων.</translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation>%1 εκκρεμείς κατηγορίες πήραν τη μετάφραση του παλιού τους κειμένου από τη μνήμη μεταφράσεων.</translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation>Πρόοδος</translation>
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
        <translation>Λυπούμαστε - υπάρχει μια κενή κατηγορία!</translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation>Δεν έχει φορτωθεί βιβλιοθήκη. Αποθήκευση κενής βιβλιοθήκης χωρίς στοιχεία;</translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation>Ορθογραφία</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Κανένα</translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation>Καμία πρόταση</translation>
    </message>
</context>
<context>
    <name>TSuggestionModel</name>
    <message>
        <source>%1  %2%  %3 → %4  (%5)</source>
        <translation>%1  %2%  %3 → %4  (%5)</translation>
    </message>
    <message>
        <source>%1% alike: &quot;%2&quot; became &quot;%3&quot; in %4</source>
        <translation>Ομοιότητα %1%: το «%2» έγινε «%3» (πηγή: %4)</translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation>Προτάσεις από τη μνήμη μεταφράσεων</translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation>Πίνακας μεταφράσεων</translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation>Αναζήτηση σε παλιά και νέα κείμενα</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation>Ακριβής πεζότητα</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Κανονική έκφραση</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Γραμμές που εμφανίζονται</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Όλες</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Εκκρεμεί</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Άλλαξε</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Όχι όπως πληκτρολογήθηκε</translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation>Αποτυχημένοι έλεγχοι</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation>Προτάσεις από τη μνήμη μεταφράσεων:</translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation>Αντιγραφή παλιού κειμένου στο νέο</translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation>Επαναφορά στο αποθηκευμένο κείμενο</translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation>Αντιγραφή παλιών κειμένων</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation>Αυτή η κανονική έκφραση δεν είναι έγκυρη.</translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation>%1 εμφανίζονται · %2 κατηγορίες · %3 εκκρεμούν · %4 αλλαγμένες · %5 όχι όπως πληκτρολογήθηκαν</translation>
    </message>
</context>
</TS>

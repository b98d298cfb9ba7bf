<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Hydraulic calculator %1</source>
        <translation>Hidraulički kalkulator %1</translation>
    </message>
</context>
<context>
    <name>CircuitPage</name>
    <message>
        <source>Simple pipeline</source>
        <translation>Prosto kolo: proverite ulazne podatke</translation>
    </message>
    <message>
        <source>Operational line: %1</source>
        <translation>Potisni vod: %1</translation>
    </message>
    <message>
        <source>Return line: %1</source>
        <translation>Povratni vod: %1</translation>
    </message>
    <message>
        <source>Double action HC</source>
        <translation>Dvostrana klipnjača</translation>
    </message>
    <message>
        <source>Single action HC </source>
        <translation>Jednostrana klipnjača </translation>
    </message>
    <message>
        <source>Taken over, not typed: double-click it, or use its context menu, for the last calculation of its page</source>
        <translation>Preuzima se, ne kuca se: dvoklik ili kontekstni meni daju poslednji proračun sa njegove stranice</translation>
    </message>
    <message>
        <source>Pumpa mora biti definisana !</source>
        <translation>Najpre definišite pumpu na stranici Pumpa</translation>
    </message>
    <message>
        <source>Operational line</source>
        <translation>Potisni vod</translation>
    </message>
    <message>
        <source>Dupli klik za prihvatanje podataka zadnjeg izracunatog</source>
        <translation>Dvoklik za preuzimanje poslednje izračunatih podataka</translation>
    </message>
    <message>
        <source>Directional control avlve pressure drop</source>
        <translation>Pad pritiska na razvodniku</translation>
    </message>
    <message>
        <source>Blocking valve</source>
        <translation>Ventil za blokadu</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Prigušni ventil</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Povratni vod</translation>
    </message>
    <message>
        <source>Blocking system</source>
        <translation>Sistem blokade</translation>
    </message>
    <message>
        <source>Directional control avlve type T</source>
        <translation>Razvodnik tipa T</translation>
    </message>
    <message>
        <source>Check valve</source>
        <translation>Nepovratni ventil</translation>
    </message>
    <message>
        <source>Double check valve</source>
        <translation>Dvostruki nepovratni ventil</translation>
    </message>
    <message>
        <source>Throtle on return line</source>
        <translation>Prigušni ventil na povratnom vodu</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skica</translation>
    </message>
    <message>
        <source>Hydro cylinder definition</source>
        <translation>Definicija cilindra</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Pipeline feture</source>
        <translation>Karakteristika cevovoda</translation>
    </message>
    <message>
        <source>Double-click a field to take over the component last calculated on its page</source>
        <translation>Dvoklik na polje preuzima poslednje izračunatu komponentu sa njene stranice</translation>
    </message>
    <message>
        <source>Pressure at the cylinder</source>
        <translation>Pritisak na cilindru</translation>
    </message>
    <message>
        <source>Cylinder force</source>
        <translation>Sila cilindra</translation>
    </message>
    <message>
        <source>Cylinder speed</source>
        <translation>Brzina cilindra</translation>
    </message>
    <message>
        <source>Flow [%1]</source>
        <translation>Protok [%1]</translation>
    </message>
    <message>
        <source>Pressure drops[%1]</source>
        <translation>Padovi pritiska [%1]</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pumpa</translation>
    </message>
    <message>
        <source>Pipe pressure drop</source>
        <translation>Pad pritiska u cevi</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Pad pritiska na ventilu</translation>
    </message>
    <message>
        <source>Take over from %1</source>
        <translation>Preuzmi sa stranice %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Calculate a line on the line page first, then take it over.</source>
        <translation>Najpre izračunajte vod na stranici Pad pritiska u cevi, pa ga preuzmite.</translation>
    </message>
    <message>
        <source>Calculate a valve on the valve page first, then take it over.</source>
        <translation>Najpre izračunajte ventil na stranici Pad pritiska na ventilu, pa ga preuzmite.</translation>
    </message>
    <message>
        <source>the pump flow</source>
        <translation>protok pumpe</translation>
    </message>
    <message>
        <source>the operational line</source>
        <translation>potisni vod</translation>
    </message>
    <message>
        <source>the directional control valve</source>
        <translation>razvodnik</translation>
    </message>
    <message>
        <source>the blocking valve</source>
        <translation>ventil za blokadu</translation>
    </message>
    <message>
        <source>the throttle</source>
        <translation>prigušni ventil</translation>
    </message>
    <message>
        <source>the return line</source>
        <translation>povratni vod</translation>
    </message>
    <message>
        <source>- the cylinder&apos;s piston and rod diameters: give them on the &quot;Hydro Cylinder&quot; page</source>
        <translation>- prečnici klipa i klipnjače: unesite ih na stranici &quot;Cilindar&quot;</translation>
    </message>
    <message>
        <source>- %1: calculate it on the &quot;%2&quot; page, then double-click its field here</source>
        <translation>- %1: izračunajte na stranici &quot;%2&quot;, pa dvoklik na njegovo polje ovde</translation>
    </message>
    <message>
        <source>Supply flow Q [%1]</source>
        <translation>Dovodni protok Q [%1]</translation>
    </message>
    <message>
        <source>The circuit is not complete yet. Still to be taken over:
%1</source>
        <translation>Kolo još nije potpuno. Treba još preuzeti:
%1</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <comment>nothing to take over</comment>
        <translation>Prosto kolo: nema šta da se preuzme</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <comment>the calculated circuit</comment>
        <translation>Prosto kolo: proverite rezultate</translation>
    </message>
</context>
<context>
    <name>CircuitSketch</name>
    <message>
        <source>Pump</source>
        <translation>Pumpa</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Vod</translation>
    </message>
    <message>
        <source>DCV</source>
        <translation>Razv.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Nepov.</translation>
    </message>
    <message>
        <source>2 Check</source>
        <translation>2 nepov.</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Prig.</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilindar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Povr.</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Rezervoar</translation>
    </message>
    <message>
        <source>Operation line</source>
        <translation>Potisni vod</translation>
    </message>
    <message>
        <source>Directional control valve</source>
        <translation>Razvodnik</translation>
    </message>
    <message>
        <source>Check valve</source>
        <translation>Nepovratni ventil</translation>
    </message>
    <message>
        <source>Double Check valve</source>
        <translation>Dvostruki nepovratni</translation>
    </message>
    <message>
        <source>Throttle valve</source>
        <translation>Prigušni ventil</translation>
    </message>
    <message>
        <source>Hydro Cylinder</source>
        <translation>Hidraulični cilindar</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Povratni vod</translation>
    </message>
    <message>
        <source> Supply tank</source>
        <translation> Rezervoar</translation>
    </message>
</context>
<context>
    <name>CylinderPage</name>
    <message>
        <source>ERROR !!!</source>
        <translation>Cilindar: greška u unosu</translation>
    </message>
    <message>
        <source>Resistant Force</source>
        <translation>Sila opterećenja</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Ulazni pritisak</translation>
    </message>
    <message>
        <source>Pressure out</source>
        <translation>Izlazni pritisak</translation>
    </message>
    <message>
        <source>Flow in</source>
        <translation>Ulazni protok</translation>
    </message>
    <message>
        <source>Flow out</source>
        <translation>Izlazni protok</translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation>Prečnik klipa</translation>
    </message>
    <message>
        <source>Piston rod diameter</source>
        <translation>Prečnik klipnjače</translation>
    </message>
    <message>
        <source>Stroke speed</source>
        <translation>Brzina hoda</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Stepen korisnosti</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Hod</translation>
    </message>
    <message>
        <source>Retracted length</source>
        <translation>Uvučena dužina</translation>
    </message>
    <message>
        <source>Safety factor</source>
        <translation>Stepen sigurnosti</translation>
    </message>
    <message>
        <source>Flange, free rod</source>
        <translation>Flanša, slob. kraj</translation>
    </message>
    <message>
        <source>Rear flange, the rod end free (fixed - free): L_K = 2 L</source>
        <translation>Zadnja flanša, kraj klipnjače slobodan (ukliješten - slobodan): L_K = 2 L</translation>
    </message>
    <message>
        <source>Eye, rod eye</source>
        <translation>Oko, oko klipnjače</translation>
    </message>
    <message>
        <source>Rear eye and rod eye (pinned - pinned): L_K = L</source>
        <translation>Zadnje oko i oko klipnjače (zglob - zglob): L_K = L</translation>
    </message>
    <message>
        <source>Flange, rod eye</source>
        <translation>Flanša, oko klipnj.</translation>
    </message>
    <message>
        <source>Rear flange, the rod eye guided (fixed - pinned): L_K = 0.7 L</source>
        <translation>Zadnja flanša, oko klipnjače vođeno (ukliješten - zglob): L_K = 0.7 L</translation>
    </message>
    <message>
        <source>Flange, fixed rod</source>
        <translation>Flanša, ukl. kraj</translation>
    </message>
    <message>
        <source>Rear flange, the rod end fixed (fixed - fixed): L_K = 0.5 L</source>
        <translation>Zadnja flanša, kraj klipnjače ukliješten (ukliješten - ukliješten): L_K = 0.5 L</translation>
    </message>
    <message>
        <source>Stroke and buckling</source>
        <translation>Hod i izvijanje</translation>
    </message>
    <message>
        <source>Pressure,Flow,Diameters</source>
        <translation>Ulazni pritisak, ulazni protok, prečnici</translation>
    </message>
    <message>
        <source>Force, Flow,Diameters</source>
        <translation>Sila, ulazni protok, prečnici</translation>
    </message>
    <message>
        <source>Pressure, Stroke spd, Diameters</source>
        <translation>Ulazni pritisak, brzina hoda, prečnici</translation>
    </message>
    <message>
        <source>Force, Stroke speed, Diameters</source>
        <translation>Sila, brzina hoda, prečnici</translation>
    </message>
    <message>
        <source>DATA INPUT IS NOT VALID</source>
        <translation>Uneti podaci nisu ispravni.</translation>
    </message>
    <message>
        <source>Picture %1 not found</source>
        <translation>Slika %1 nije pronađena</translation>
    </message>
    <message>
        <source>Single action cyliner</source>
        <translation>Diferencijalni cilindar</translation>
    </message>
    <message>
        <source>Double action cylinder</source>
        <translation>Cilindar s dvostranom klipnjačom</translation>
    </message>
    <message>
        <source>Dupli klik za izbor smera opterecenja</source>
        <translation>Desni klik za izbor smera opterećenja</translation>
    </message>
    <message>
        <source>Push load</source>
        <translation>Potisno opterećenje</translation>
    </message>
    <message>
        <source>Pull load</source>
        <translation>Vučno opterećenje</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Potisna sila</translation>
    </message>
    <message>
        <source>Pull Force</source>
        <translation>Vučna sila</translation>
    </message>
    <message>
        <source>Known or desired values</source>
        <translation>Poznate ili željene veličine</translation>
    </message>
    <message>
        <source>Double click for last calculated pump flow</source>
        <translation>Dvostruki klik za poslednji izračunati protok pumpe</translation>
    </message>
    <message>
        <source>Calculatie</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>between the mounting points, rod retracted; extended, the stroke is added</source>
        <translation>Između tačaka učvršćenja, klipnjača uvučena; kod izvučene se dodaje hod</translation>
    </message>
    <message>
        <source>Mounting case of the cylinder</source>
        <translation>Način učvršćenja cilindra</translation>
    </message>
    <message>
        <source>F perm.</source>
        <translation>F dozv.</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Izvlačenje</translation>
    </message>
    <message>
        <source>Retract</source>
        <translation>Uvlačenje</translation>
    </message>
    <message>
        <source>Regenerative</source>
        <translation>Regen. hod</translation>
    </message>
    <message>
        <source>Load direction : Push</source>
        <translation>Potisno: izvlačenje, pritisak na strani klipa</translation>
    </message>
    <message>
        <source>Load direction: Pull</source>
        <translation>Vučno: uvlačenje, pritisak na strani klipnjače</translation>
    </message>
    <message>
        <source>Load direction : Pull</source>
        <translation>Vučno: uvlačenje, pritisak na strani klipnjače</translation>
    </message>
    <message>
        <source>PRESSURE INPUT IS NOT VALID</source>
        <translation>Ulazni pritisak mora biti veći od izlaznog pritiska.</translation>
    </message>
    <message>
        <source>PISTON OR PISTON ROD DIAMETAR ARE NOT VALID  </source>
        <translation>Prečnik klipa mora biti veći od prečnika klipnjače.  </translation>
    </message>
    <message>
        <source>Retracted length must be given for the buckling check: the distance between the mounting points, retracted, in mm</source>
        <translation>Za proveru izvijanja potrebna je uvučena dužina: rastojanje između tačaka učvršćenja pri uvučenoj klipnjači.</translation>
    </message>
    <message>
        <source>CALCULATION ERROR</source>
        <translation>Cilindar: upozorenje o pritisku</translation>
    </message>
    <message>
        <source>Load direction: Push</source>
        <translation>Potisno: izvlačenje, pritisak na strani klipa</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>a number is expected</source>
        <translation>očekuje se broj</translation>
    </message>
    <message>
        <source>the number is not finite</source>
        <translation>broj nije konačan</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 je van opsega (%2 do %3)</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>očekuje se ceo broj</translation>
    </message>
    <message>
        <source>an object ({...}) is expected</source>
        <translation>očekuje se objekat ({...})</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>očekuje se tekst</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>nedostaje</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>očekuje se true ili false</translation>
    </message>
    <message>
        <source>is missing: this is no design of this calculator</source>
        <translation>nedostaje: ovo nije projekat ovog kalkulatora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no format version</source>
        <translation>&quot;%1&quot; nije verzija formata</translation>
    </message>
    <message>
        <source>the file was written in format %1, by a newer version of the calculator; this one reads format %2</source>
        <translation>datoteku u formatu %1 napisala je novija verzija kalkulatora; ova čita format %2</translation>
    </message>
    <message>
        <source>only &quot;metric&quot; designs can be read</source>
        <translation>mogu da se čitaju samo &quot;metric&quot; projekti</translation>
    </message>
    <message>
        <source>a valve type is a name, not a path</source>
        <translation>tip ventila je ime, ne putanja</translation>
    </message>
    <message>
        <source>At character %1: %2 - the file is no design, or it is cut short.</source>
        <translation>Kod znaka %1: %2 - datoteka nije projekat ili je skraćena.</translation>
    </message>
    <message>
        <source>The file holds no design object.</source>
        <translation>Datoteka ne sadrži projekat.</translation>
    </message>
    <message>
        <source>At %1: %2.</source>
        <translation>Na mestu %1: %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Datoteka ne postoji.</translation>
    </message>
    <message>
        <source>The file is %1 MB, far larger than any design (at most %2 MB); it was not read.</source>
        <translation>Datoteka ima %1 MB, mnogo više od bilo kog projekta (najviše %2 MB); nije pročitana.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Ne može da se pročita: %1.</translation>
    </message>
    <message>
        <source>The file is larger than any design; it was not read.</source>
        <translation>Datoteka je veća od bilo kog projekta; nije pročitana.</translation>
    </message>
</context>
<context>
    <name>DesignSession</name>
    <message>
        <source>New design</source>
        <translation>Novi projekat</translation>
    </message>
    <message>
        <source>Open design…</source>
        <translation>Otvori projekat…</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Sačuvaj projekat</translation>
    </message>
    <message>
        <source>Save design as…</source>
        <translation>Sačuvaj projekat kao…</translation>
    </message>
    <message>
        <source>Recent designs</source>
        <translation>Skorašnji projekti</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Projekat</translation>
    </message>
    <message>
        <source>New, open and save designs (Ctrl+N, Ctrl+O, Ctrl+S)</source>
        <translation>Nov projekat, otvaranje i čuvanje (Ctrl+N, Ctrl+O, Ctrl+S)</translation>
    </message>
    <message>
        <source>Hydraulic calculator QX7  ver: 1.0</source>
        <translation>Hidraulički kalkulator QX7 1.0</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>bez imena</translation>
    </message>
    <message>
        <source>Results of %1, calculated again on opening %2</source>
        <translation>Rezultati od %1, ponovo izračunati pri otvaranju %2</translation>
    </message>
    <message>
        <source>Results as calculated on %1, opened from %2</source>
        <translation>Rezultati izračunati %1, otvoreni iz %2</translation>
    </message>
    <message>
        <source>The new design</source>
        <translation>Novi projekat</translation>
    </message>
    <message>
        <source>%1 has changes that were never saved.

Save the design, with its results log, first?</source>
        <translation>%1 ima izmene koje nisu sačuvane.

Prvo sačuvati projekat, sa dnevnikom rezultata?</translation>
    </message>
    <message>
        <source>The results log holds calculations that were never saved.

Save them before closing?</source>
        <translation>Dnevnik rezultata sadrži proračune koji nisu sačuvani.

Sačuvati ih pre zatvaranja?</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Dnevnik rezultata: nesačuvani proračuni</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Otvori projekat</translation>
    </message>
    <message>
        <source>Hydraulic designs (*.hcalc)</source>
        <translation>Hidraulički projekti (*.hcalc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>The design %1 cannot be opened; nothing was changed.</source>
        <translation>Projekat %1 ne može da se otvori; ništa nije promenjeno.</translation>
    </message>
    <message>
        <source>The design %1 was opened without its valve type: the valve data file %2 was not found.</source>
        <translation>Projekat %1 je otvoren bez tipa ventila: datoteka sa podacima ventila %2 nije pronađena.</translation>
    </message>
    <message>
        <source>Everything else of the design is as it was saved. Choose the valve type on the valve page again.</source>
        <translation>Sve ostalo u projektu je kako je sačuvano. Ponovo izaberite tip ventila na stranici ventila.</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Sačuvaj projekat kao</translation>
    </message>
    <message>
        <source>The design could not be saved to %1: %2</source>
        <translation>Projekat nije mogao da se sačuva u %1: %2</translation>
    </message>
    <message>
        <source>A file that was there before is as it was.</source>
        <translation>Datoteka koja je ranije postojala ostala je kakva je bila.</translation>
    </message>
    <message>
        <source>The calculator did not end normally last time, and its design and results log held changes that were never saved.

Restore them? No deletes them.</source>
        <translation>Kalkulator prošli put nije završio rad normalno, a njegov projekat i dnevnik rezultata imali su izmene koje nisu sačuvane.

Vratiti ih? „Ne“ ih briše.</translation>
    </message>
    <message>
        <source>the copy kept after the crash</source>
        <translation>kopije sačuvane posle pada programa</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>unsaved changes</comment>
        <translation>Projekat: nesačuvane izmene</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>cannot open</comment>
        <translation>Projekat: ne može da se otvori</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>valve data missing</comment>
        <translation>Projekat: nedostaju podaci ventila</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>not saved</comment>
        <translation>Projekat: nije sačuvan</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>restore</comment>
        <translation>Projekat: vraćanje nesačuvanog rada</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Hydraulic calculator manual</source>
        <translation>Priručnik hidrauličkog kalkulatora</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Otvori priručnik</translation>
    </message>
</context>
<context>
    <name>DigitKeyFilter</name>
    <message>
        <source>Digits only: this quantity is a positive whole number</source>
        <translation>Samo cifre: ova veličina je pozitivan ceo broj</translation>
    </message>
    <message>
        <source>Digits and one decimal point: this quantity is positive</source>
        <translation>Samo cifre i jedna decimalna tačka: ova veličina je pozitivna</translation>
    </message>
</context>
<context>
    <name>FieldPairs</name>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; nije ceo broj (dozvoljeno: %3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; nije broj (dozvoljeno: %3)</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Greška u unosu</translation>
    </message>
</context>
<context>
    <name>FieldWidgets</name>
    <message>
        <source>Velicina mora biti zadata</source>
        <translation>Veličina mora biti zadata</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>The file was not written completely.</source>
        <translation>Datoteka nije upisana do kraja.</translation>
    </message>
</context>
<context>
    <name>FluidSelector</name>
    <message>
        <source>Working fluid</source>
        <translation>Radni fluid: greška u unosu</translation>
    </message>
    <message>
        <source>The temperature &apos;%1&apos; is no number: type a temperature in %2.</source>
        <translation>Temperatura &apos;%1&apos; nije broj: unesite temperaturu u %2.</translation>
    </message>
</context>
<context>
    <name>Funkcije</name>
    <message>
        <source>supply side</source>
        <translation>potisna strana</translation>
    </message>
    <message>
        <source>return side</source>
        <translation>povratna strana</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>%1: no value given</source>
        <translation>%1: vrednost nije zadata</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (allowed: %3)</source>
        <translation>%1: %2 je van opsega (dozvoljeno: %3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; nije broj (dozvoljeno: %3)</translation>
    </message>
    <message>
        <source>%1: %2 is not in (0, 1]</source>
        <translation>%1: %2 nije u opsegu (0, 1]</translation>
    </message>
    <message>
        <source>%1: %2 is not greater than 0</source>
        <translation>%1: %2 nije veće od 0</translation>
    </message>
</context>
<context>
    <name>LinePage</name>
    <message>
        <source>Diameter</source>
        <translation>Prečnik</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dužina</translation>
    </message>
    <message>
        <source>Fluid speed</source>
        <translation>Brzina fluida</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Ulazni pritisak</translation>
    </message>
    <message>
        <source>a pressure line</source>
        <translation>potisni vod</translation>
    </message>
    <message>
        <source>a return line</source>
        <translation>povratni vod</translation>
    </message>
    <message>
        <source>a suction line</source>
        <translation>usisni vod</translation>
    </message>
    <message>
        <source> %1 is above the usual %2 %1 of %3. Usual velocities: pressure lines %4–%5 %1, return lines %6–%7 %1, suction lines %8–%9 %1.</source>
        <translation> %1 je iznad uobičajenih %2 %1 za %3. Uobičajene brzine: potisni vodovi %4–%5 %1, povratni vodovi %6–%7 %1, usisni vodovi %8–%9 %1.</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Cev</translation>
    </message>
    <message>
        <source>Hose</source>
        <translation>Crevo</translation>
    </message>
    <message>
        <source>Dupli klik za izbor smera opterecenja</source>
        <translation>Cev ili crevo</translation>
    </message>
    <message>
        <source>Fluid speed [%1]</source>
        <translation>Brzina fluida [%1]</translation>
    </message>
    <message>
        <source>Flow [%1]</source>
        <translation>Protok [%1]</translation>
    </message>
    <message>
        <source>Tube type :</source>
        <translation>Vrsta cevi:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Pressure drop [%1]</source>
        <translation>Pad pritiska [%1]</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pad pritiska</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Protok</translation>
    </message>
    <message>
        <source>Pipeline input data is not regular </source>
        <translation>Ulazni podaci voda nisu ispravni. </translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Pad pritiska u cevi: greška u unosu</translation>
    </message>
    <message>
        <source>Diameter, speed or flow, viscosity and density must be greater than 0, the length not negative</source>
        <translation>Prečnik, brzina ili protok, viskoznost i gustina moraju biti veći od 0, a dužina ne sme biti negativna.</translation>
    </message>
    <message>
        <source>prssure lost [%1]</source>
        <translation>Pad pritiska [%1]</translation>
    </message>
    <message>
        <source>The pump page has no flow yet: calculate the pump, or type the flow here.</source>
        <translation>Stranica pumpe još nema protok: izračunajte pumpu ili ovde unesite protok.</translation>
    </message>
</context>
<context>
    <name>LogPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 od %2</translation>
    </message>
</context>
<context>
    <name>LogRecovery</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Direktorijum %1 ne može da se napravi</translation>
    </message>
    <message>
        <source>Cannot lock %1 (error %2)</source>
        <translation>%1 ne može da se zaključa (greška %2)</translation>
    </message>
</context>
<context>
    <name>MessageButtons</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Reset</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>No calculation mode chosen</source>
        <translation>Nije izabran način proračuna</translation>
    </message>
    <message>
        <source>These figures together give a result beyond any drive (%1): check the given values</source>
        <translation>Ove vrednosti zajedno daju rezultat van svakog stvarnog pogona (%1): proverite zadate vrednosti</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>Technical plain tube pull broaching  (copper,brass,glass)</source>
        <translation>Vučena glatka cev (bakar, mesing, staklo)</translation>
    </message>
    <message>
        <source>Technical plain tube pull broaching (steel)</source>
        <translation>Vučena glatka cev (čelik)</translation>
    </message>
    <message>
        <source>Technical, pull broaching rusted (steel)</source>
        <translation>Vučena cev, zarđala (čelik)</translation>
    </message>
    <message>
        <source>Technical, pull broaching strong rusted (steel)</source>
        <translation>Vučena cev, jako zarđala (čelik)</translation>
    </message>
    <message>
        <source>Welded new (steel)</source>
        <translation>Zavarena, nova (čelik)</translation>
    </message>
    <message>
        <source>Welded, new, little rusted (steel)</source>
        <translation>Zavarena, malo zarđala (čelik)</translation>
    </message>
    <message>
        <source>Lamilar</source>
        <translation>Laminarno</translation>
    </message>
    <message>
        <source>Transitional</source>
        <translation>Prelazno</translation>
    </message>
    <message>
        <source> Lambda by approximation  </source>
        <translation> Lambda po približnoj formuli  </translation>
    </message>
    <message>
        <source> Turbulence flow by hydaulic smooth pipes  </source>
        <translation> Turbulentno strujanje, hidraulički glatke cevi  </translation>
    </message>
    <message>
        <source> Hydarulic  asperity pipes </source>
        <translation> Hidraulički hrapave cevi </translation>
    </message>
    <message>
        <source>  Full Hydarulic  asperity pipes </source>
        <translation>  Hidraulički potpuno hrapave cevi </translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Nedozvoljena računska operacija</translation>
    </message>
    <message>
        <source>Relative roughness k/d = %1 leaves Colebrook-White without a friction factor</source>
        <translation>Pri relativnoj hrapavosti k/d = %1 jednačina Kolbruk-Vajta nema koeficijent trenja</translation>
    </message>
    <message>
        <source>Friction factor by Colebrook-White did not converge</source>
        <translation>Koeficijent trenja po Kolbruk-Vajtu nije konvergirao</translation>
    </message>
    <message>
        <source> Relative roughness k/d = </source>
        <translation> Relativna hrapavost k/d = </translation>
    </message>
    <message>
        <source> is above </source>
        <translation> je iznad </translation>
    </message>
    <message>
        <source>, beyond the measured range of the friction laws</source>
        <translation>, van izmerenog opsega zakona trenja</translation>
    </message>
    <message>
        <source> -------   Single pipe pressure drop calculation  ----------- </source>
        <translation> -------   Proračun pada pritiska u cevi  ----------- </translation>
    </message>
    <message>
        <source> Pipe diametar: d = </source>
        <translation> Prečnik cevi: d = </translation>
    </message>
    <message>
        <source> Reynold&apos;s number: Re = </source>
        <translation> Rejnoldsov broj: Re = </translation>
    </message>
    <message>
        <source> Fluid flow speed  v =  </source>
        <translation> Brzina strujanja  v =  </translation>
    </message>
    <message>
        <source>Resistance coefficient Lambda = </source>
        <translation>Koeficijent trenja Lambda = </translation>
    </message>
    <message>
        <source>Pipe lenght L=  </source>
        <translation>Dužina cevi L=  </translation>
    </message>
    <message>
        <source>Pressure drop dP=  </source>
        <translation>Pad pritiska dP=  </translation>
    </message>
    <message>
        <source>Flow Q=  </source>
        <translation>Protok Q=  </translation>
    </message>
    <message>
        <source>Tube type :  </source>
        <translation>Vrsta cevi :  </translation>
    </message>
    <message>
        <source>Wall roughness k =  </source>
        <translation>Hrapavost zida k =  </translation>
    </message>
    <message>
        <source>Flow type :  </source>
        <translation>Vrsta strujanja :  </translation>
    </message>
    <message>
        <source> =========Hose pipe calculation ============================</source>
        <translation> =========Proračun creva ============================</translation>
    </message>
    <message>
        <source> Diameter d = </source>
        <translation> Prečnik d = </translation>
    </message>
    <message>
        <source> Reynolds number Re= </source>
        <translation> Rejnoldsov broj Re= </translation>
    </message>
    <message>
        <source> Flow velocity v= </source>
        <translation> Brzina strujanja v= </translation>
    </message>
    <message>
        <source>Resistance coefficient  Lambda = </source>
        <translation>Koeficijent trenja  Lambda = </translation>
    </message>
    <message>
        <source>Length L=  </source>
        <translation>Dužina L=  </translation>
    </message>
    <message>
        <source>Pressure drop dP = </source>
        <translation>Pad pritiska dP = </translation>
    </message>
    <message>
        <source>Flow Q = </source>
        <translation>Protok Q = </translation>
    </message>
    <message>
        <source>Tube type :   </source>
        <translation>Vrsta cevi :   </translation>
    </message>
    <message>
        <source>Wall roughness k =   </source>
        <translation>Hrapavost zida k =   </translation>
    </message>
    <message>
        <source>Flow type :   </source>
        <translation>Vrsta strujanja :   </translation>
    </message>
    <message>
        <source>yield strength</source>
        <translation>granica tečenja</translation>
    </message>
    <message>
        <source>Tetmajer</source>
        <translation>Tetmajer</translation>
    </message>
    <message>
        <source>Euler</source>
        <translation>Ojler</translation>
    </message>
    <message>
        <source>Stroke must be greater than 0 mm</source>
        <translation>Hod mora biti veći od 0 mm</translation>
    </message>
    <message>
        <source>Rod diameter d must be greater than 0 and smaller than the piston diameter D</source>
        <translation>Prečnik klipnjače d mora biti veći od 0 i manji od prečnika klipa D</translation>
    </message>
    <message>
        <source>Mounting length must not be negative</source>
        <translation>Dužina ugradnje ne sme biti negativna</translation>
    </message>
    <message>
        <source>Safety factor must be at least 1</source>
        <translation>Stepen sigurnosti mora biti najmanje 1</translation>
    </message>
    <message>
        <source>Flow must be greater than 0 l/min</source>
        <translation>Protok mora biti veći od 0 l/min</translation>
    </message>
    <message>
        <source>Efficiency must lie in (0, 1]</source>
        <translation>Stepen korisnosti mora biti u (0, 1]</translation>
    </message>
    <message>
        <source>pull load: the rod is not pushed and does not buckle</source>
        <translation>Vučno opterećenje: klipnjača nije pritisnuta i ne izvija se</translation>
    </message>
    <message>
        <source>rod safe against buckling</source>
        <translation>Klipnjača sigurna od izvijanja</translation>
    </message>
    <message>
        <source>rod may buckle: permissible </source>
        <translation>Klipnjača se može izviti: dozvoljeno </translation>
    </message>
    <message>
        <source> {unit}, load </source>
        <translation> {unit}, opterećenje </translation>
    </message>
    <message>
        <source> ---------- Stroke and buckling ---------- </source>
        <translation> ---------- Hod i izvijanje ---------- </translation>
    </message>
    <message>
        <source> Stroke: s = </source>
        <translation> Hod: s = </translation>
    </message>
    <message>
        <source> [{unit}], flow Q = </source>
        <translation> [{unit}], protok Q = </translation>
    </message>
    <message>
        <source> [{unit}], t = </source>
        <translation> [{unit}], t = </translation>
    </message>
    <message>
        <source> [{unit}], V = </source>
        <translation> [{unit}], V = </translation>
    </message>
    <message>
        <source> Extend:  v = </source>
        <translation> Izvlačenje:  v = </translation>
    </message>
    <message>
        <source> Retract: v = </source>
        <translation> Uvlačenje: v = </translation>
    </message>
    <message>
        <source> Regenerative extension: v = </source>
        <translation> Diferencijalno izvlačenje: v = </translation>
    </message>
    <message>
        <source> [{unit}], F = </source>
        <translation> [{unit}], F = </translation>
    </message>
    <message>
        <source>fixed - free</source>
        <translation>uklješten - slobodan</translation>
    </message>
    <message>
        <source>pinned - pinned</source>
        <translation>zglobno - zglobno</translation>
    </message>
    <message>
        <source>fixed - pinned</source>
        <translation>uklješten - zglobno</translation>
    </message>
    <message>
        <source>fixed - fixed</source>
        <translation>uklješten - uklješten</translation>
    </message>
    <message>
        <source> Mounting: </source>
        <translation> Ugradnja: </translation>
    </message>
    <message>
        <source> [{unit}] extended</source>
        <translation> [{unit}] izvučen</translation>
    </message>
    <message>
        <source> Buckling length L_K = </source>
        <translation> Dužina izvijanja L_K = </translation>
    </message>
    <message>
        <source> [{unit}], slenderness = </source>
        <translation> [{unit}], vitkost = </translation>
    </message>
    <message>
        <source> Buckling load </source>
        <translation> Sila izvijanja </translation>
    </message>
    <message>
        <source> [{unit}], permissible push force </source>
        <translation> [{unit}], dozvoljena sila pritiska </translation>
    </message>
    <message>
        <source> [{unit}] (safety </source>
        <translation> [{unit}] (sigurnost </translation>
    </message>
    <message>
        <source>Piston diameter D1 must be greater than 0 mm: set it on the cylinder page</source>
        <translation>Prečnik klipa D1 mora biti veći od 0 mm: unesite ga na stranici Cilindar</translation>
    </message>
    <message>
        <source>Rod diameter D2 must be greater than 0 mm: set it on the cylinder page</source>
        <translation>Prečnik klipnjače D2 mora biti veći od 0 mm: unesite ga na stranici Cilindar</translation>
    </message>
    <message>
        <source>Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on the cylinder page</source>
        <translation>Prečnik klipa D1 mora biti veći od prečnika klipnjače D2: ispravite cilindar na stranici Cilindar</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Deljenje nulom u proračunu</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Prekoračenje opsega brojeva u proračunu</translation>
    </message>
    <message>
        <source>Temperature %1 °C is outside the range %2 to %3 °C of %4</source>
        <translation>Temperatura %1 °C je van opsega od %2 do %3 °C za %4</translation>
    </message>
    <message>
        <source>the viscosity relation</source>
        <translation>relaciju viskoznosti</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Korisnički</translation>
    </message>
    <message>
        <source> ==========   HYDRAULIC MOTOR CALCULATION =====================</source>
        <translation> ==========   PRORAČUN HIDROMOTORA =====================</translation>
    </message>
    <message>
        <source> Power : </source>
        <translation> Snaga : </translation>
    </message>
    <message>
        <source> Flow  : </source>
        <translation> Protok  : </translation>
    </message>
    <message>
        <source> Torque  : </source>
        <translation> Obrtni moment  : </translation>
    </message>
    <message>
        <source>Pressure in: </source>
        <translation>Ulazni pritisak: </translation>
    </message>
    <message>
        <source>Angular spped: </source>
        <translation>Broj obrtaja: </translation>
    </message>
    <message>
        <source>Displacement  je: </source>
        <translation>Radna zapremina : </translation>
    </message>
    <message>
        <source> Volumetric efficiency : </source>
        <translation> Zapreminski stepen korisnosti : </translation>
    </message>
    <message>
        <source> Hydromechanical efficiency : </source>
        <translation> Hidromehanički stepen korisnosti : </translation>
    </message>
    <message>
        <source> ----------- Single action cylinder calculaton -------------- </source>
        <translation> ----------- Proračun cilindra sa jednostranom klipnjačom ---- </translation>
    </message>
    <message>
        <source> External force : </source>
        <translation> Spoljna sila : </translation>
    </message>
    <message>
        <source> Diameter of piston /piston rod   : </source>
        <translation> Prečnik klipa /klipnjače   : </translation>
    </message>
    <message>
        <source> Stroke speed : </source>
        <translation> Brzina hoda : </translation>
    </message>
    <message>
        <source> Piston area : </source>
        <translation> Površina klipa : </translation>
    </message>
    <message>
        <source> Piston rod side area: </source>
        <translation> Površina na strani klipnjače: </translation>
    </message>
    <message>
        <source> Working pressure:  </source>
        <translation> Radni pritisak:  </translation>
    </message>
    <message>
        <source> Outgoing pressure  </source>
        <translation> Izlazni pritisak  </translation>
    </message>
    <message>
        <source>Piston side flow  </source>
        <translation>Protok na strani klipa  </translation>
    </message>
    <message>
        <source>Outgoing flow  </source>
        <translation>Izlazni protok  </translation>
    </message>
    <message>
        <source> Cylinder efficiency : </source>
        <translation> Stepen korisnosti cilindra : </translation>
    </message>
    <message>
        <source> ----------- Double action hydro cylinder calculation -------------- </source>
        <translation> ----------- Proračun cilindra sa dvostranom klipnjačom -------------- </translation>
    </message>
    <message>
        <source> External Force :  </source>
        <translation> Spoljna sila :  </translation>
    </message>
    <message>
        <source> Pison diameater : </source>
        <translation> Prečnik klipa : </translation>
    </message>
    <message>
        <source> Pison rod diameter : </source>
        <translation> Prečnik klipnjače : </translation>
    </message>
    <message>
        <source> Piston area  : </source>
        <translation> Površina klipa  : </translation>
    </message>
    <message>
        <source>Working pressure  </source>
        <translation>Radni pritisak  </translation>
    </message>
    <message>
        <source>Flow:  </source>
        <translation>Protok:  </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; nije ispravan broj</translation>
    </message>
    <message>
        <source> ---------   PUMP CALCULATION       --------------------- </source>
        <translation> ---------   PRORAČUN PUMPE       --------------------- </translation>
    </message>
    <message>
        <source> Flow : </source>
        <translation> Protok : </translation>
    </message>
    <message>
        <source> Working pressure : </source>
        <translation> Radni pritisak : </translation>
    </message>
    <message>
        <source> Revolution per minute: </source>
        <translation> Broj obrtaja: </translation>
    </message>
    <message>
        <source>  [o/min] </source>
        <translation>  [o/min] </translation>
    </message>
    <message>
        <source> Displacement volume  : </source>
        <translation> Radna zapremina  : </translation>
    </message>
    <message>
        <source>isothermal</source>
        <translation>izotermski</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>adijabatski</translation>
    </message>
    <message>
        <source>polytropic</source>
        <translation>politropski</translation>
    </message>
    <message>
        <source>Precharge p0</source>
        <translation>Pritisak punjenja p0</translation>
    </message>
    <message>
        <source>Minimum pressure p1</source>
        <translation>Najniži pritisak p1</translation>
    </message>
    <message>
        <source>Maximum pressure p2</source>
        <translation>Najviši pritisak p2</translation>
    </message>
    <message>
        <source>Minimum pressure p1 (%1) must be above the precharge p0 (%2)</source>
        <translation>Najniži pritisak p1 (%1) mora biti iznad pritiska punjenja p0 (%2)</translation>
    </message>
    <message>
        <source>Maximum pressure p2 (%1) must be above the minimum pressure p1 (%2)</source>
        <translation>Najviši pritisak p2 (%1) mora biti iznad najnižeg pritiska p1 (%2)</translation>
    </message>
    <message>
        <source>Polytropic exponent n</source>
        <translation>Politropski eksponent n</translation>
    </message>
    <message>
        <source>Gas temperature: %1 is not above absolute zero</source>
        <translation>Temperatura gasa: %1 nije iznad apsolutne nule</translation>
    </message>
    <message>
        <source>Useful volume</source>
        <translation>Korisna zapremina</translation>
    </message>
    <message>
        <source>Accumulator size</source>
        <translation>Veličina akumulatora</translation>
    </message>
    <message>
        <source>At %1 the precharge is %2, not below the minimum pressure p1 (%3)</source>
        <translation>Na %1 pritisak punjenja je %2, a nije ispod najnižeg pritiska p1 (%3)</translation>
    </message>
    <message>
        <source>precharge at most 0.9 × minimum pressure</source>
        <translation>pritisak punjenja najviše 0.9 × najniži pritisak</translation>
    </message>
    <message>
        <source>p2/p0 above 4, the usual limit of a bladder</source>
        <translation>p2/p0 iznad 4, uobičajene granice za mehur</translation>
    </message>
    <message>
        <source> -------   Gas accumulator (nitrogen)  ----------- </source>
        <translation> -------   Gasni akumulator (azot)  ----------- </translation>
    </message>
    <message>
        <source> Precharge p0 = </source>
        <translation> Pritisak punjenja p0 = </translation>
    </message>
    <message>
        <source> [{unit}] at </source>
        <translation> [{unit}] pri </translation>
    </message>
    <message>
        <source> Minimum pressure p1 = </source>
        <translation> Najniži pritisak p1 = </translation>
    </message>
    <message>
        <source> Maximum pressure p2 = </source>
        <translation> Najviši pritisak p2 = </translation>
    </message>
    <message>
        <source> Gas temperature = </source>
        <translation> Temperatura gasa = </translation>
    </message>
    <message>
        <source> Process: </source>
        <translation> Proces: </translation>
    </message>
    <message>
        <source> Precharge at gas temperature = </source>
        <translation> Pritisak punjenja pri temperaturi gasa = </translation>
    </message>
    <message>
        <source> [{unit}] (given)</source>
        <translation> [{unit}] (zadato)</translation>
    </message>
    <message>
        <source> Useful volume dV = </source>
        <translation> Korisna zapremina dV = </translation>
    </message>
    <message>
        <source> Size V0 = </source>
        <translation> Veličina V0 = </translation>
    </message>
    <message>
        <source> Gas volume at p1: V1 = </source>
        <translation> Zapremina gasa pri p1: V1 = </translation>
    </message>
    <message>
        <source> Gas volume at p2: V2 = </source>
        <translation> Zapremina gasa pri p2: V2 = </translation>
    </message>
    <message>
        <source> Pressure ratio p2/p0 (absolute) = </source>
        <translation> Odnos pritisaka p2/p0 (apsolutni) = </translation>
    </message>
    <message>
        <source> Advice: </source>
        <translation> Savet: </translation>
    </message>
    <message>
        <source>%1: %2 is not greater than 0</source>
        <translation>%1: %2 nije veće od 0</translation>
    </message>
    <message>
        <source>%1: %2 is negative</source>
        <translation>%1: %2 je negativno</translation>
    </message>
    <message>
        <source>%1: %2 is not in [%3, %4]</source>
        <translation>%1: %2 nije u [%3, %4]</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Prečnik klipa</translation>
    </message>
    <message>
        <source>Rod</source>
        <translation>Klipnjača</translation>
    </message>
    <message>
        <source>Rod (%1) must be thinner than the bore (%2)</source>
        <translation>Klipnjača (%1) mora biti tanja od klipa (%2)</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Hod</translation>
    </message>
    <message>
        <source>Moving mass</source>
        <translation>Pokretna masa</translation>
    </message>
    <message>
        <source>Dead volume, piston side</source>
        <translation>Mrtva zapremina, strana klipa</translation>
    </message>
    <message>
        <source>Dead volume, rod side</source>
        <translation>Mrtva zapremina, strana klipnjače</translation>
    </message>
    <message>
        <source>Bulk modulus K</source>
        <translation>Modul stišljivosti K</translation>
    </message>
    <message>
        <source>Oil volume</source>
        <translation>Zapremina ulja</translation>
    </message>
    <message>
        <source>Pressure rise</source>
        <translation>Porast pritiska</translation>
    </message>
    <message>
        <source> -------   Oil compressibility  ----------- </source>
        <translation> -------   Stišljivost ulja  ----------- </translation>
    </message>
    <message>
        <source> Oil volume V = </source>
        <translation> Zapremina ulja V = </translation>
    </message>
    <message>
        <source> Pressure rise dp = </source>
        <translation> Porast pritiska dp = </translation>
    </message>
    <message>
        <source> Effective bulk modulus K = </source>
        <translation> Efektivni modul stišljivosti K = </translation>
    </message>
    <message>
        <source> Oil taken by compression dV = </source>
        <translation> Ulje utrošeno na sabijanje dV = </translation>
    </message>
    <message>
        <source> -------   Cylinder stiffness and natural frequency  ----------- </source>
        <translation> -------   Krutost cilindra i sopstvena frekvencija  ----------- </translation>
    </message>
    <message>
        <source> Bore D = </source>
        <translation> Prečnik klipa D = </translation>
    </message>
    <message>
        <source> [{unit}], rod d = </source>
        <translation> [{unit}], klipnjača d = </translation>
    </message>
    <message>
        <source> [{unit}], stroke s = </source>
        <translation> [{unit}], hod s = </translation>
    </message>
    <message>
        <source> Moving mass m = </source>
        <translation> Pokretna masa m = </translation>
    </message>
    <message>
        <source> Dead volume piston side V1 = </source>
        <translation> Mrtva zapremina na strani klipa V1 = </translation>
    </message>
    <message>
        <source> [{unit}], rod side V2 = </source>
        <translation> [{unit}], strana klipnjače V2 = </translation>
    </message>
    <message>
        <source> Lowest natural frequency f0 = </source>
        <translation> Najniža sopstvena frekvencija f0 = </translation>
    </message>
    <message>
        <source> [{unit}] at x = </source>
        <translation> [{unit}] pri x = </translation>
    </message>
    <message>
        <source> Stiffness there c = </source>
        <translation> Krutost na tom mestu c = </translation>
    </message>
    <message>
        <source>Tank volume</source>
        <translation>Zapremina rezervoara</translation>
    </message>
    <message>
        <source>Power lost</source>
        <translation>Izgubljena snaga</translation>
    </message>
    <message>
        <source>Duty: %1 is not in (0, 100]</source>
        <translation>Radni ciklus: %1 nije u (0, 100]</translation>
    </message>
    <message>
        <source>Tank surface</source>
        <translation>Površina rezervoara</translation>
    </message>
    <message>
        <source>Heat transfer coefficient k</source>
        <translation>Koeficijent prolaza toplote k</translation>
    </message>
    <message>
        <source>Oil density</source>
        <translation>Gustina ulja</translation>
    </message>
    <message>
        <source>Specific heat</source>
        <translation>Specifična toplota</translation>
    </message>
    <message>
        <source>Temperature: %1 is not above absolute zero</source>
        <translation>Temperatura: %1 nije iznad apsolutne nule</translation>
    </message>
    <message>
        <source>Highest oil temperature (%1) must be above the ambient temperature (%2)</source>
        <translation>Najviša temperatura ulja (%1) mora biti iznad temperature okoline (%2)</translation>
    </message>
    <message>
        <source> -------   Heat balance of the tank  ----------- </source>
        <translation> -------   Toplotni bilans rezervoara  ----------- </translation>
    </message>
    <message>
        <source> Power lost P = </source>
        <translation> Izgubljena snaga P = </translation>
    </message>
    <message>
        <source> [{unit}] at a duty of </source>
        <translation> [{unit}] uz radni ciklus od </translation>
    </message>
    <message>
        <source> Tank volume V = </source>
        <translation> Zapremina rezervoara V = </translation>
    </message>
    <message>
        <source> Tank surface A = </source>
        <translation> Površina rezervoara A = </translation>
    </message>
    <message>
        <source> Heat transfer coefficient k = </source>
        <translation> Koeficijent prolaza toplote k = </translation>
    </message>
    <message>
        <source> Ambient Ta = </source>
        <translation> Okolina Ta = </translation>
    </message>
    <message>
        <source> Highest oil temperature Tmax = </source>
        <translation> Najviša temperatura ulja Tmax = </translation>
    </message>
    <message>
        <source> Oil density = </source>
        <translation> Gustina ulja = </translation>
    </message>
    <message>
        <source> [{unit}], specific heat c = </source>
        <translation> [{unit}], specifična toplota c = </translation>
    </message>
    <message>
        <source> The tank&apos;s steel is left out of the heat capacity (on the safe side)</source>
        <translation> Čelik rezervoara nije uračunat u toplotni kapacitet (na strani sigurnosti)</translation>
    </message>
    <message>
        <source> Steady oil temperature = </source>
        <translation> Ustaljena temperatura ulja = </translation>
    </message>
    <message>
        <source> Time constant tau = </source>
        <translation> Vremenska konstanta tau = </translation>
    </message>
    <message>
        <source> Time from ambient to Tmax = </source>
        <translation> Vreme od temperature okoline do Tmax = </translation>
    </message>
    <message>
        <source> Time from ambient to Tmax: not reached</source>
        <translation> Vreme od temperature okoline do Tmax: ne dostiže se</translation>
    </message>
    <message>
        <source> Cooler power to hold Tmax = </source>
        <translation> Snaga hladnjaka za Tmax = </translation>
    </message>
    <message>
        <source>Suction</source>
        <translation>Usisni</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Povratni</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Potisni</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Protok</translation>
    </message>
    <message>
        <source>Design velocity</source>
        <translation>Projektna brzina</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dužina</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinematička viskoznost</translation>
    </message>
    <message>
        <source> Suction line, usual </source>
        <translation> Usisni vod, uobičajeno </translation>
    </message>
    <message>
        <source> Return line, usual </source>
        <translation> Povratni vod, uobičajeno </translation>
    </message>
    <message>
        <source> Pressure line, usual </source>
        <translation> Potisni vod, uobičajeno </translation>
    </message>
    <message>
        <source> -------   Line sizing  ----------- </source>
        <translation> -------   Dimenzionisanje voda  ----------- </translation>
    </message>
    <message>
        <source> Flow Q = </source>
        <translation> Protok Q = </translation>
    </message>
    <message>
        <source> to </source>
        <translation> do </translation>
    </message>
    <message>
        <source> [{unit}]; design velocity v = </source>
        <translation> [{unit}]; projektna brzina v = </translation>
    </message>
    <message>
        <source> Length L = </source>
        <translation> Dužina L = </translation>
    </message>
    <message>
        <source> [{unit}], viscosity = </source>
        <translation> [{unit}], viskoznost = </translation>
    </message>
    <message>
        <source> Inner diameter for v: d = </source>
        <translation> Unutrašnji prečnik za v: d = </translation>
    </message>
    <message>
        <source> No hose of the series up to </source>
        <translation> Nijedno crevo serije do </translation>
    </message>
    <message>
        <source> [{unit}]) is wide enough</source>
        <translation> [{unit}]) nije dovoljno široko</translation>
    </message>
    <message>
        <source> Next hose size </source>
        <translation> Sledeća veličina creva </translation>
    </message>
    <message>
        <source> Hose velocity v = </source>
        <translation> Brzina u crevu v = </translation>
    </message>
    <message>
        <source> Hose pressure drop dp = </source>
        <translation> Pad pritiska u crevu dp = </translation>
    </message>
    <message>
        <source> Reynolds number Re = </source>
        <translation> Rejnoldsov broj Re = </translation>
    </message>
    <message>
        <source>, flow type: </source>
        <translation>, vrsta strujanja: </translation>
    </message>
    <message>
        <source>Discharge coefficient alpha: %1 is not in (0, 1]</source>
        <translation>Koeficijent isticanja alfa: %1 nije u (0, 1]</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Prečnik</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pad pritiska</translation>
    </message>
    <message>
        <source> -------   Sharp-edged orifice  ----------- </source>
        <translation> -------   Prigušnica sa oštrom ivicom  ----------- </translation>
    </message>
    <message>
        <source> Pressure drop dp = </source>
        <translation> Pad pritiska dp = </translation>
    </message>
    <message>
        <source> Discharge coefficient alpha = </source>
        <translation> Koeficijent isticanja alfa = </translation>
    </message>
    <message>
        <source> Jet velocity = </source>
        <translation> Brzina mlaza = </translation>
    </message>
    <message>
        <source> ---------------- VALVE CALCULATION --- -------------- </source>
        <translation> ---------------- PRORAČUN VENTILA --- -------------- </translation>
    </message>
    <message>
        <source>Valve type: </source>
        <translation>Tip ventila: </translation>
    </message>
    <message>
        <source>Pressure intake port: [{unit}]:  </source>
        <translation>Pritisak na ulazu: [{unit}]:  </translation>
    </message>
    <message>
        <source>Presure drop:  </source>
        <translation>Pad pritiska:  </translation>
    </message>
    <message>
        <source>Presure out:  [{unit}]:  </source>
        <translation>Izlazni pritisak:  [{unit}]:  </translation>
    </message>
    <message>
        <source>%1 must be greater than 0 %2: %3</source>
        <translation>%1 mora biti veće od 0 %2: %3</translation>
    </message>
    <message>
        <source>%1 must be greater than 0: %2</source>
        <translation>%1 mora biti veće od 0: %2</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %4: %5</source>
        <translation>%1 mora biti između %2 i %3 %4: %5</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3: %4</source>
        <translation>%1 mora biti između %2 i %3: %4</translation>
    </message>
    <message>
        <source>calculate the line on its page and take it over again</source>
        <translation>izračunajte vod na njegovoj stranici i ponovo ga preuzmite</translation>
    </message>
    <message>
        <source>calculate the valve on its page and take it over again</source>
        <translation>izračunajte ventil na njegovoj stranici i ponovo ga preuzmite</translation>
    </message>
    <message>
        <source>operation line</source>
        <translation>radni vod</translation>
    </message>
    <message>
        <source>Operation line</source>
        <translation>Radni vod</translation>
    </message>
    <message>
        <source>Operation line diameter</source>
        <translation>Prečnik radnog voda</translation>
    </message>
    <message>
        <source>Operation line length</source>
        <translation>Dužina radnog voda</translation>
    </message>
    <message>
        <source>return line</source>
        <translation>povratni vod</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Povratni vod</translation>
    </message>
    <message>
        <source>Return line diameter</source>
        <translation>Prečnik povratnog voda</translation>
    </message>
    <message>
        <source>Return line length</source>
        <translation>Dužina povratnog voda</translation>
    </message>
    <message>
        <source>directional control valve</source>
        <translation>razvodnik</translation>
    </message>
    <message>
        <source>Directional control valve</source>
        <translation>Razvodnik</translation>
    </message>
    <message>
        <source>Warning: the directional control valve </source>
        <translation>Upozorenje: razvodnik </translation>
    </message>
    <message>
        <source>blocking valve</source>
        <translation>zaporni ventil</translation>
    </message>
    <message>
        <source>Blocking valve</source>
        <translation>Zaporni ventil</translation>
    </message>
    <message>
        <source>Warning: the blocking valve </source>
        <translation>Upozorenje: zaporni ventil </translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>prigušni ventil</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Prigušni ventil</translation>
    </message>
    <message>
        <source>Warning: the throttle </source>
        <translation>Upozorenje: prigušni ventil </translation>
    </message>
    <message>
        <source>The %1 slot &apos;%2&apos; is not %3 with numbers: %4</source>
        <translation>Mesto za %1 &apos;%2&apos; nije oblika %3 sa brojevima: %4</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>%1 tube type must be one of the six tube types: %2</source>
        <translation>%1: vrsta cevi mora biti jedna od šest ponuđenih: %2</translation>
    </message>
    <message>
        <source>%1 p0 and k must be numbers: %2</source>
        <translation>%1: p0 i k moraju biti brojevi: %2</translation>
    </message>
    <message>
        <source>%1 p0 must lie within %2 bar and k within %3 bar/(l/min)2 either side of 0: %4</source>
        <translation>%1: p0 mora biti u granicama ±%2 bar, a k ±%3 bar/(l/min)² oko 0: %4</translation>
    </message>
    <message>
        <source>The %1 slot is empty: %2</source>
        <translation>Mesto za %1 je prazno: %2</translation>
    </message>
    <message>
        <source>diameter|length</source>
        <translation>prečnik|dužina</translation>
    </message>
    <message>
        <source>name|p0%k</source>
        <translation>naziv|p0%k</translation>
    </message>
    <message>
        <source>Supply flow Q</source>
        <translation>Dovodni protok Q</translation>
    </message>
    <message>
        <source>l/min</source>
        <translation>l/min</translation>
    </message>
    <message>
        <source>calculate the pump or type a flow</source>
        <translation>izračunajte pumpu ili unesite protok</translation>
    </message>
    <message>
        <source>set it on the cylinder page</source>
        <translation>unesite ga na stranici Cilindar</translation>
    </message>
    <message>
        <source>Piston diameter D1</source>
        <translation>Prečnik klipa D1</translation>
    </message>
    <message>
        <source>Return flow Qr must be greater than 0 l/min and within range: check the supply flow Q and the cylinder&apos;s diameters D1 and D2</source>
        <translation>Povratni protok Qr mora biti veći od 0 l/min i u dozvoljenom opsegu: proverite dovodni protok Q i prečnike cilindra D1 i D2</translation>
    </message>
    <message>
        <source>calculate the pump</source>
        <translation>izračunajte pumpu</translation>
    </message>
    <message>
        <source>set it on the pump page</source>
        <translation>unesite ga na stranici Pumpa</translation>
    </message>
    <message>
        <source>set it below the pages</source>
        <translation>unesite ga ispod stranica</translation>
    </message>
    <message>
        <source>Pump power</source>
        <translation>Snaga pumpe</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Pump pressure</source>
        <translation>Pritisak pumpe</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Pump displacement</source>
        <translation>Radna zapremina pumpe</translation>
    </message>
    <message>
        <source>cm3</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>Pump volumetric efficiency</source>
        <translation>Zapreminski stepen korisnosti pumpe</translation>
    </message>
    <message>
        <source>Pump mechanical efficiency</source>
        <translation>Hidromehanički stepen korisnosti pumpe</translation>
    </message>
    <message>
        <source>Working fluid density</source>
        <translation>Gustina radnog fluida</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>Working fluid viscosity</source>
        <translation>Viskoznost radnog fluida</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>Cylinder efficiency</source>
        <translation>Stepen korisnosti cilindra</translation>
    </message>
    <message>
        <source>The pressure drops use up the pump pressure: the pump gives </source>
        <translation>Padovi pritiska troše pritisak pumpe: pumpa daje </translation>
    </message>
    <message>
        <source> {unit}, the drops take </source>
        <translation> {unit}, padovi troše </translation>
    </message>
    <message>
        <source> {unit} (supply </source>
        <translation> {unit} (dovod </translation>
    </message>
    <message>
        <source>, return </source>
        <translation>, povrat </translation>
    </message>
    <message>
        <source>). The cylinder cannot move the load.</source>
        <translation>). Cilindar ne može da pomeri opterećenje.</translation>
    </message>
    <message>
        <source> runs at </source>
        <translation> radi sa </translation>
    </message>
    <message>
        <source>, above the largest flow of its data, </source>
        <translation>, iznad najvećeg protoka iz njegovih podataka, </translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <translation>Prosto kolo: proverite kolo</translation>
    </message>
    <message>
        <source> No pressure is left here: the drops up to this element take </source>
        <translation> Ovde nema pritiska: padovi do ovog elementa troše </translation>
    </message>
    <message>
        <source> {unit} more than the pump gives.</source>
        <translation> {unit} više nego što pumpa daje.</translation>
    </message>
    <message>
        <source> Result: no cylinder at the end of the circuit</source>
        <translation> Rezultat: na kraju kola nema cilindra</translation>
    </message>
    <message>
        <source> Result: flow </source>
        <translation> Rezultat: protok </translation>
    </message>
    <message>
        <source> {unit}; the pressure drops use up the pump pressure: the cylinder cannot move the load</source>
        <translation> {unit}; padovi pritiska troše pritisak pumpe: cilindar ne može da pomeri opterećenje</translation>
    </message>
    <message>
        <source> {unit}, pressure at the cylinder </source>
        <translation> {unit}, pritisak na cilindru </translation>
    </message>
    <message>
        <source> {unit}, force </source>
        <translation> {unit}, sila </translation>
    </message>
    <message>
        <source> {unit}, speed </source>
        <translation> {unit}, brzina </translation>
    </message>
    <message>
        <source> ----------- SIMPLE PIPELINE CALCULATION --------------- </source>
        <translation> ----------- PRORAČUN PROSTOG KOLA --------------- </translation>
    </message>
</context>
<context>
    <name>MotorPage</name>
    <message>
        <source>Torque</source>
        <translation>Obrtni moment</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pritisak</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Protok</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Snaga</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Radna zapremina</translation>
    </message>
    <message>
        <source>Speed range</source>
        <translation>Broj obrtaja</translation>
    </message>
    <message>
        <source>Hydromechanical efficiency</source>
        <translation>Hidromeh. st. korisnosti</translation>
    </message>
    <message>
        <source> Volumetric efficiency</source>
        <translation> Zapr. st. korisnosti</translation>
    </message>
    <message>
        <source>Torque, Pressure, Flow</source>
        <translation>Moment, pritisak, protok</translation>
    </message>
    <message>
        <source>Torque, Pressure, Power</source>
        <translation>Moment, pritisak, snaga</translation>
    </message>
    <message>
        <source>Torque, Pressure, Speed range</source>
        <translation>Moment, pritisak, broj obrtaja</translation>
    </message>
    <message>
        <source>Torque, Flow, Displacement</source>
        <translation>Moment, protok, zapremina</translation>
    </message>
    <message>
        <source>Torque, Flow, Speed range</source>
        <translation>Moment, protok, broj obrtaja</translation>
    </message>
    <message>
        <source>Torque, Displacement, Speed range</source>
        <translation>Moment, zapremina, broj obrtaja</translation>
    </message>
    <message>
        <source>Pressure, Flow, Displacement</source>
        <translation>Pritisak, protok, zapremina</translation>
    </message>
    <message>
        <source>Pressure, Flow, Speed range</source>
        <translation>Pritisak, protok, broj obrtaja</translation>
    </message>
    <message>
        <source>Pressure, Power, Displacement</source>
        <translation>Pritisak, snaga, zapremina</translation>
    </message>
    <message>
        <source>Pressure, Power, Speed range</source>
        <translation>Pritisak, snaga, broj obrtaja</translation>
    </message>
    <message>
        <source>Pressure, Displacement, Speed range</source>
        <translation>Pritisak, zapremina, broj obrtaja</translation>
    </message>
    <message>
        <source>Flow, Power, Displacement</source>
        <translation>Protok, snaga, zapremina</translation>
    </message>
    <message>
        <source>Flow, Power, Speed range</source>
        <translation>Protok, snaga, broj obrtaja</translation>
    </message>
    <message>
        <source>Power, Displacement, Speed range</source>
        <translation>Snaga, zapremina, broj obrtaja</translation>
    </message>
    <message>
        <source>Iregular data input </source>
        <translation>Podaci hidromotora nisu ispravno uneti </translation>
    </message>
    <message>
        <source>ERROR, HYDRO MOTOR DEFINITION </source>
        <translation>Hidromotor: greška u unosu </translation>
    </message>
    <message>
        <source>Known or desired values</source>
        <translation>Poznate ili tražene veličine</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
</context>
<context>
    <name>PictureBundle</name>
    <message>
        <source>Resource %1 not found</source>
        <translation>Slika %1 nije pronađena</translation>
    </message>
</context>
<context>
    <name>PumpPage</name>
    <message>
        <source>Shaft power</source>
        <translation>Snaga na vratilu</translation>
    </message>
    <message>
        <source>Speed range</source>
        <translation>Broj obrtaja</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Radna zapremina</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pritisak</translation>
    </message>
    <message>
        <source>Flow:</source>
        <translation>Protok:</translation>
    </message>
    <message>
        <source>Hydromechanical efficiency</source>
        <translation>Hidromeh. st. korisnosti</translation>
    </message>
    <message>
        <source> Volumetric efficiency</source>
        <translation> Zapr. st. korisnosti</translation>
    </message>
    <message>
        <source>Power, Pressure, Displacement</source>
        <translation>Snaga, pritisak, zapremina</translation>
    </message>
    <message>
        <source>Power, Pressure, Speed range</source>
        <translation>Snaga, pritisak, broj obrtaja</translation>
    </message>
    <message>
        <source>Displacement, Speed range, Pressure</source>
        <translation>Zapremina, broj obrtaja, pritisak</translation>
    </message>
    <message>
        <source>Displacement,Speed range, Power</source>
        <translation>Zapremina, broj obrtaja, snaga</translation>
    </message>
    <message>
        <source>Flow, Displacement, Pressure</source>
        <translation>Protok, zapremina, pritisak</translation>
    </message>
    <message>
        <source>Flow,Displacement, Power</source>
        <translation>Protok, zapremina, snaga</translation>
    </message>
    <message>
        <source>Pump data improoperly entered</source>
        <translation>Podaci pumpe nisu ispravno uneti</translation>
    </message>
    <message>
        <source>ERROR DATA INPUT</source>
        <translation>Pumpa: greška u unosu</translation>
    </message>
    <message>
        <source>Desired or known values</source>
        <translation>Tražene ili poznate veličine</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>CALCULATION ERROR</source>
        <translation>Pumpa: upozorenje o pritisku</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Pumpa: greška u unosu</translation>
    </message>
</context>
<context>
    <name>QuantityLabels</name>
    <message>
        <source>Warring, pressure higher  than %1 %2 :: %3 %2</source>
        <translation>Upozorenje: pritisak je veći od %1 %2: %3 %2</translation>
    </message>
</context>
<context>
    <name>ResultsLogPage</name>
    <message>
        <source>Save as...</source>
        <translation>Sačuvaj kao…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Erase text</source>
        <translation>Obriši tekst</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Štampaj</translation>
    </message>
    <message>
        <source>Snimi proracune kao..</source>
        <translation>Sačuvaj proračune kao…</translation>
    </message>
    <message>
        <source>Rich text (*.rtf)</source>
        <translation>RTF dokument (*.rtf)</translation>
    </message>
    <message>
        <source>Tekst fajl (*.txt)</source>
        <translation>Tekstualna datoteka (*.txt)</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Dnevnik rezultata: nesačuvani proračuni</translation>
    </message>
    <message>
        <source>The results log holds calculations that were never saved.

Save them before erasing?</source>
        <translation>Dnevnik rezultata sadrži proračune koji nisu sačuvani.

Sačuvati ih pre brisanja?</translation>
    </message>
    <message>
        <source>After Discard, Ctrl+Z in the log brings the text back.</source>
        <translation>Posle „Odbaci“, Ctrl+Z u dnevniku vraća tekst.</translation>
    </message>
    <message>
        <source>Hydraulic calculator - values</source>
        <translation>Hidraulički kalkulator - rezultati</translation>
    </message>
    <message>
        <source>Printing the results log...</source>
        <translation>Štampanje dnevnika rezultata…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>%1 – results log</source>
        <translation>%1 – dnevnik rezultata</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; failed</source>
        <translation>Štampanje &quot;%1&quot; nije uspelo</translation>
    </message>
    <message>
        <source>The printer or the print file could not be written.</source>
        <translation>Upis na štampač ili u datoteku za štampu nije uspeo.</translation>
    </message>
    <message>
        <source>Cannot save the results to %1</source>
        <translation>Rezultati ne mogu da se sačuvaju u %1</translation>
    </message>
</context>
<context>
    <name>SystemAccumulatorPage</name>
    <message>
        <source>Isothermal (slow, n = 1)</source>
        <translation>Izotermski (sporo, n = 1)</translation>
    </message>
    <message>
        <source>Adiabatic (fast, n = 1.4)</source>
        <translation>Adijabatski (brzo, n = 1.4)</translation>
    </message>
    <message>
        <source>Polytropic</source>
        <translation>Politropski</translation>
    </message>
    <message>
        <source>Precharge p0 (at %1 %2)</source>
        <translation>Predpunjenje p0 (pri %1 %2)</translation>
    </message>
    <message>
        <source>Minimum pressure p1</source>
        <translation>Minimalni pritisak p1</translation>
    </message>
    <message>
        <source>Maximum pressure p2</source>
        <translation>Maksimalni pritisak p2</translation>
    </message>
    <message>
        <source>Polytropic exponent n</source>
        <translation>Eksponent politrope n</translation>
    </message>
    <message>
        <source>Working gas temperature</source>
        <translation>Radna temperatura gasa</translation>
    </message>
    <message>
        <source>Useful volume ΔV</source>
        <translation>Korisna zapremina ΔV</translation>
    </message>
    <message>
        <source>Size V0</source>
        <translation>Veličina V0</translation>
    </message>
    <message>
        <source>Between 1 (isothermal) and 1.4 (adiabatic) for nitrogen; real gas at high pressure up to about 1.6</source>
        <translation>Između 1 (izotermski) i 1.4 (adijabatski) za azot; realni gas pri visokom pritisku do oko 1.6</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proces</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Odredi</translation>
    </message>
    <message>
        <source>Size for a useful volume</source>
        <translation>Veličinu za zadatu korisnu zapreminu</translation>
    </message>
    <message>
        <source>Useful volume of a size</source>
        <translation>Korisnu zapreminu za zadatu veličinu</translation>
    </message>
    <message>
        <source>Pressures are gauge pressures; the gas laws use absolute pressure (gauge + %1 %2). The precharge is given at %3 %4 and rises with the gas&apos;s absolute temperature.</source>
        <translation>Pritisci su manometarski; gasni zakoni računaju sa apsolutnim (manometarski + %1 %2). Predpunjenje je zadato pri %3 %4 i raste sa apsolutnom temperaturom gasa.</translation>
    </message>
    <message>
        <source>Gas volume at p1: V1</source>
        <translation>Zapremina gasa pri p1: V1</translation>
    </message>
    <message>
        <source>Gas volume at p2: V2</source>
        <translation>Zapremina gasa pri p2: V2</translation>
    </message>
    <message>
        <source>Pressure ratio p2/p0 (absolute)</source>
        <translation>Odnos pritisaka p2/p0 (apsolutni)</translation>
    </message>
    <message>
        <source>Precharge at gas temperature</source>
        <translation>Predpunjenje pri temperaturi gasa</translation>
    </message>
</context>
<context>
    <name>SystemCalculator</name>
    <message>
        <source>INPUT ERROR</source>
        <translation>Sistem: greška u unosu</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>%1: no value given</source>
        <translation>%1: vrednost nije zadata</translation>
    </message>
</context>
<context>
    <name>SystemCompressPage</name>
    <message>
        <source>Effective bulk modulus K</source>
        <translation>Efektivni modul stišljivosti K</translation>
    </message>
    <message>
        <source>Oil volume V</source>
        <translation>Zapremina ulja V</translation>
    </message>
    <message>
        <source>Pressure rise Δp</source>
        <translation>Porast pritiska Δp</translation>
    </message>
    <message>
        <source>Bore D</source>
        <translation>Prečnik klipa D</translation>
    </message>
    <message>
        <source>Rod d</source>
        <translation>Prečnik klipnjače d</translation>
    </message>
    <message>
        <source>Stroke s</source>
        <translation>Hod s</translation>
    </message>
    <message>
        <source>Moving mass m</source>
        <translation>Pokretna masa m</translation>
    </message>
    <message>
        <source>Dead volume, piston side</source>
        <translation>Mrtva zapr., strana klipa</translation>
    </message>
    <message>
        <source>Dead volume, rod side</source>
        <translation>Mrtva zapr., strana klipnjače</translation>
    </message>
    <message>
        <source>Oil alone about 14 000 to 16 000 %1; lower with hoses and entrained air</source>
        <translation>Samo ulje oko 14 000 do 16 000 %1; manje sa crevima i uvučenim vazduhom</translation>
    </message>
    <message>
        <source>Oil taken by compression</source>
        <translation>Ulje utrošeno na sabijanje</translation>
    </message>
    <message>
        <source>Cylinder stiffness (single rod)</source>
        <translation>Krutost cilindra (jednostrana klipnjača)</translation>
    </message>
    <message>
        <source>From the cylinder page</source>
        <translation>Sa stranice cilindra</translation>
    </message>
    <message>
        <source>Bore, rod and stroke of the cylinder page</source>
        <translation>Prečnik klipa, klipnjače i hod sa stranice cilindra</translation>
    </message>
    <message>
        <source>Lowest natural frequency f0 [%1]</source>
        <translation>Najniža sopstvena frekvencija f0 [%1]</translation>
    </message>
    <message>
        <source>at x from the retracted end</source>
        <translation>na x od uvučenog položaja</translation>
    </message>
    <message>
        <source>The cylinder page has no piston and rod diameters yet: define the cylinder there, or type them here.</source>
        <translation>Stranica cilindra još nema prečnike klipa i klipnjače: definišite tamo cilindar ili ih unesite ovde.</translation>
    </message>
    <message>
        <source>The cylinder page has no stroke yet: bore and rod are taken over, type the stroke here.</source>
        <translation>Stranica cilindra još nema hod: prečnici klipa i klipnjače su preuzeti, hod unesite ovde.</translation>
    </message>
    <message>
        <source>Give the oil volume and the pressure rise, or the cylinder&apos;s bore, rod, stroke and moving mass</source>
        <translation>Zadajte zapreminu ulja i porast pritiska, ili prečnik klipa, prečnik klipnjače, hod i pokretnu masu cilindra</translation>
    </message>
</context>
<context>
    <name>SystemHeatPage</name>
    <message>
        <source>Oil density: from the working-fluid panel</source>
        <translation>Gustina ulja: sa panela radnog fluida</translation>
    </message>
    <message>
        <source>Power lost</source>
        <translation>Izgubljena snaga</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Udeo rada</translation>
    </message>
    <message>
        <source>Tank volume</source>
        <translation>Zapremina rezervoara</translation>
    </message>
    <message>
        <source>Tank surface</source>
        <translation>Površina rezervoara</translation>
    </message>
    <message>
        <source>Heat transfer coefficient k</source>
        <translation>Koef. prolaza toplote k</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Temperatura okoline</translation>
    </message>
    <message>
        <source>Highest oil temperature</source>
        <translation>Najviša temperatura ulja</translation>
    </message>
    <message>
        <source>Still air 8–12, moving air 15–20 %1</source>
        <translation>Miran vazduh 8–12, strujanje vazduha 15–20 %1</translation>
    </message>
    <message>
        <source>Filled from the tank volume, A = 0.065 V^(2/3), until you type a surface</source>
        <translation>Popunjava se iz zapremine rezervoara, A = 0.065 V^(2/3), dok ne unesete površinu</translation>
    </message>
    <message>
        <source>From the circuit</source>
        <translation>Iz kola</translation>
    </message>
    <message>
        <source>The last circuit&apos;s loss: pump input power minus F · v at the cylinder</source>
        <translation>Gubitak poslednjeg kola: ulazna snaga pumpe minus F · v na cilindru</translation>
    </message>
    <message>
        <source>Specific heat c = %1 %2 (mineral oil). The tank&apos;s steel is left out of the heat capacity, on the safe side: the real tank warms slower.</source>
        <translation>Specifična toplota c = %1 %2 (mineralno ulje). Čelik rezervoara nije uračunat u toplotni kapacitet, na strani sigurnosti: stvarni rezervoar se sporije zagreva.</translation>
    </message>
    <message>
        <source>Steady oil temperature</source>
        <translation>Ustaljena temp. ulja</translation>
    </message>
    <message>
        <source>Time constant τ [%1]</source>
        <translation>Vremenska konstanta τ [%1]</translation>
    </message>
    <message>
        <source>Time from ambient to Tmax [%1]</source>
        <translation>Vreme zagrevanja do Tmax [%1]</translation>
    </message>
    <message>
        <source>Cooler to hold Tmax</source>
        <translation>Snaga hladnjaka za Tmax</translation>
    </message>
    <message>
        <source>No circuit has been calculated yet, or its cylinder could not move the load: calculate the simple pipeline first, or type the power lost.</source>
        <translation>Nijedno kolo još nije izračunato, ili njegov cilindar nije mogao da pokrene opterećenje: prvo izračunajte prosto kolo ili unesite izgubljenu snagu.</translation>
    </message>
    <message>
        <source>time [%1]</source>
        <translation>vreme [%1]</translation>
    </message>
    <message>
        <source>oil temperature [%1]</source>
        <translation>temperatura ulja [%1]</translation>
    </message>
    <message>
        <source>Oil density: %1 %2, from the working-fluid panel</source>
        <translation>Gustina ulja: %1 %2, sa panela radnog fluida</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>ne dostiže se</translation>
    </message>
</context>
<context>
    <name>SystemLineSizingPage</name>
    <message>
        <source>Flow Q</source>
        <translation>Protok Q</translation>
    </message>
    <message>
        <source>Design velocity v</source>
        <translation>Projektna brzina v</translation>
    </message>
    <message>
        <source>Length L</source>
        <translation>Dužina L</translation>
    </message>
    <message>
        <source>From the pump</source>
        <translation>Od pumpe</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Vod</translation>
    </message>
    <message>
        <source>The hose&apos;s velocity and pressure drop are the hose line&apos;s, with the fluid of the working-fluid panel (smooth lining).</source>
        <translation>Brzina i pad pritiska u crevu računaju se kao za vod od creva, sa fluidom sa panela radnog fluida (glatka unutrašnjost).</translation>
    </message>
    <message>
        <source>Inner diameter for v</source>
        <translation>Unutrašnji prečnik za v</translation>
    </message>
    <message>
        <source>Next hose size [%1]</source>
        <translation>Sledeća veličina creva [%1]</translation>
    </message>
    <message>
        <source>Velocity in the hose</source>
        <translation>Brzina u crevu</translation>
    </message>
    <message>
        <source>Pressure drop over the length</source>
        <translation>Pad pritiska na dužini voda</translation>
    </message>
    <message>
        <source>Flow type</source>
        <translation>Vrsta strujanja</translation>
    </message>
    <message>
        <source>To the line page</source>
        <translation>Na stranicu cevi</translation>
    </message>
    <message>
        <source>The hose, its length and the flow into the pipe pressure drop page</source>
        <translation>Crevo, njegova dužina i protok na stranicu pada pritiska u cevi</translation>
    </message>
    <message>
        <source>The pump page has no flow yet: calculate the pump, or type the flow here.</source>
        <translation>Stranica pumpe još nema protok: izračunajte pumpu ili ovde unesite protok.</translation>
    </message>
    <message>
        <source>Calculate a hose size first, then take it over.</source>
        <translation>Prvo izračunajte veličinu creva, pa je onda preuzmite.</translation>
    </message>
    <message>
        <source>above -32: two lines or a pipe</source>
        <translation>iznad -32: dva voda ili cev</translation>
    </message>
</context>
<context>
    <name>SystemOrificePage</name>
    <message>
        <source>Flow Q</source>
        <translation>Protok Q</translation>
    </message>
    <message>
        <source>Diameter d</source>
        <translation>Prečnik d</translation>
    </message>
    <message>
        <source>Pressure drop Δp</source>
        <translation>Pad pritiska Δp</translation>
    </message>
    <message>
        <source>Discharge coefficient α</source>
        <translation>Koeficijent protoka α</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznata veličina</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Protok</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Prečnik</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pad pritiska</translation>
    </message>
    <message>
        <source>0.6 to 0.8; 0.62 for a sharp edge</source>
        <translation>0.6 do 0.8; 0.62 za oštru ivicu</translation>
    </message>
    <message>
        <source>Q = α · A · √(2 Δp / ρ), A = π d² / 4; the density comes from the working-fluid panel.</source>
        <translation>Q = α · A · √(2 Δp / ρ), A = π d² / 4; gustina se uzima sa panela radnog fluida.</translation>
    </message>
    <message>
        <source>Jet velocity √(2 Δp / ρ)</source>
        <translation>Brzina mlaza √(2 Δp / ρ)</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>Accumulator</source>
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>Heat balance</source>
        <translation>Toplotni bilans</translation>
    </message>
    <message>
        <source>Orifice</source>
        <translation>Prigušnica</translation>
    </message>
    <message>
        <source>Compressibility</source>
        <translation>Stišljivost</translation>
    </message>
    <message>
        <source>Line sizing</source>
        <translation>Dimenzionisanje voda</translation>
    </message>
</context>
<context>
    <name>TfrmKalvorMain</name>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>The calculator uses the language chosen from its next start. Entries already in the results log stay as they were written.</source>
        <translation>Kalkulator koristi izabrani jezik od sledećeg pokretanja. Unosi koji su već u dnevniku rezultata ostaju kako su napisani.</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Dnevnik rezultata: nesačuvani proračuni</translation>
    </message>
    <message>
        <source> Working fluid: </source>
        <translation> Radni fluid: </translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 na %2 %3</translation>
    </message>
    <message>
        <source>user defined</source>
        <translation>korisnički zadat</translation>
    </message>
    <message>
        <source>Hydraulic calculator QX7  ver: 1.0</source>
        <translation>Hidraulički kalkulator QX7 1.0</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pumpa</translation>
    </message>
    <message>
        <source>Hydro motor</source>
        <translation>Hidromotor</translation>
    </message>
    <message>
        <source>Hydro Cylinder</source>
        <translation>Cilindar</translation>
    </message>
    <message>
        <source>Pipe pressure drop</source>
        <translation>Pad pritiska u cevi</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Pad pritiska na ventilu</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <translation>Prosto kolo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Result&apos;s</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>ERROR: Aplication start</source>
        <translation>Greška pri pokretanju programa.</translation>
    </message>
    <message>
        <source>The calculator did not end normally last time, and its results log held calculations that were never saved.

Restore them into the log? No deletes them.</source>
        <translation>Kalkulator prošli put nije završio rad normalno, a njegov dnevnik rezultata je sadržao proračune koji nisu sačuvani.

Vratiti ih u dnevnik? „Ne“ ih briše.</translation>
    </message>
    <message>
        <source>The results log cannot be kept safe against a crash in %1:
%2

Save it yourself now and then.</source>
        <translation>Dnevnik rezultata ne može da se čuva od pada programa u %1:
%2

Sačuvajte ga sami s vremena na vreme.</translation>
    </message>
    <message>
        <source>The manual %1 was not found in the working folder, beside the program or in %2.</source>
        <translation>Priručnik %1 nije pronađen ni u radnom direktorijumu, ni pored programa, ni u %2.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć: ne može da se otvori</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>priručnik</translation>
    </message>
    <message>
        <source> (section &quot;%1&quot;)</source>
        <translation> (odeljak &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>No program on this desktop opens %1. Please open it yourself:
%2</source>
        <translation>Nijedan program na ovom računaru ne otvara %1. Otvorite ručno:
%2</translation>
    </message>
    <message>
        <source>About this calculator</source>
        <translation>O ovom kalkulatoru</translation>
    </message>
    <message>
        <source>The manual&apos;s About section</source>
        <translation>Odeljak „O programu“ u priručniku</translation>
    </message>
    <message>
        <source>Go to Internet page</source>
        <translation>Idi na veb stranicu projekta</translation>
    </message>
    <message>
        <source>the project&apos;s web page</source>
        <translation>veb stranicu projekta</translation>
    </message>
    <message>
        <source>INNET CONNECITON ERROR</source>
        <translation>Internet stranica nije dostupna.</translation>
    </message>
    <message>
        <source>COULDN&apos;T ESTABLISH CONNECTION</source>
        <translation>Hidraulički kalkulator: nema veze</translation>
    </message>
    <message>
        <source>FATAL ERROR:: %1</source>
        <translation>Hidraulički kalkulator: %1</translation>
    </message>
    <message>
        <source>FATAL ERROR:: </source>
        <translation>Hidraulički kalkulator: neočekivana greška</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>l/min</source>
        <translation>l/min</translation>
    </message>
    <message>
        <source>cm3</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>cm³</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>o/min</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>daNm</source>
        <translation>daNm</translation>
    </message>
    <message>
        <source>kN</source>
        <translation>kN</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>cm2</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>cm²</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>mm²/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>deg C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>W/(m2 K)</source>
        <translation>W/(m²·K)</translation>
    </message>
    <message>
        <source>W/(m²·K)</source>
        <translation>W/(m²·K)</translation>
    </message>
    <message>
        <source>kJ/(kg K)</source>
        <translation>kJ/(kg·K)</translation>
    </message>
    <message>
        <source>kJ/(kg·K)</source>
        <translation>kJ/(kg·K)</translation>
    </message>
    <message>
        <source>kN/mm</source>
        <translation>kN/mm</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>m2</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>gpm</source>
        <translation>gpm</translation>
    </message>
    <message>
        <source>in3/rev</source>
        <translation>in³/rev</translation>
    </message>
    <message>
        <source>in³/rev</source>
        <translation>in³/rev</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>lbf-ft</source>
        <translation>lbf·ft</translation>
    </message>
    <message>
        <source>lbf·ft</source>
        <translation>lbf·ft</translation>
    </message>
    <message>
        <source>lbf</source>
        <translation>lbf</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>ft/s</source>
        <translation>ft/s</translation>
    </message>
    <message>
        <source>in2</source>
        <translation>in²</translation>
    </message>
    <message>
        <source>in²</source>
        <translation>in²</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>gal</translation>
    </message>
    <message>
        <source>lb/ft3</source>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>lb/ft³</source>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>cSt</source>
        <translation>cSt</translation>
    </message>
    <message>
        <source>deg F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Btu/(h ft2 F)</source>
        <translation>Btu/(h·ft²·°F)</translation>
    </message>
    <message>
        <source>Btu/(h·ft²·°F)</source>
        <translation>Btu/(h·ft²·°F)</translation>
    </message>
    <message>
        <source>Btu/(lb F)</source>
        <translation>Btu/(lb·°F)</translation>
    </message>
    <message>
        <source>Btu/(lb·°F)</source>
        <translation>Btu/(lb·°F)</translation>
    </message>
    <message>
        <source>lbf/in</source>
        <translation>lbf/in</translation>
    </message>
    <message>
        <source>in3</source>
        <translation>in³</translation>
    </message>
    <message>
        <source>in³</source>
        <translation>in³</translation>
    </message>
    <message>
        <source>ft2</source>
        <translation>ft²</translation>
    </message>
    <message>
        <source>ft²</source>
        <translation>ft²</translation>
    </message>
</context>
<context>
    <name>ValveData</name>
    <message>
        <source>largest flow (field 1)</source>
        <translation>najveći protok (polje 1)</translation>
    </message>
    <message>
        <source>largest drop (field 2)</source>
        <translation>najveći pad pritiska (polje 2)</translation>
    </message>
    <message>
        <source>constant term p0 (field 3)</source>
        <translation>konstantni član p0 (polje 3)</translation>
    </message>
    <message>
        <source>flow coefficient k (field 4)</source>
        <translation>koeficijent protoka k (polje 4)</translation>
    </message>
    <message>
        <source>first flow (field 5)</source>
        <translation>početni protok (polje 5)</translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than valve data (a few kilobytes); files above %2 MB are not read</source>
        <translation>sadrži %1 MB, mnogo više od podataka ventila (nekoliko kilobajta); datoteke veće od %2 MB se ne čitaju</translation>
    </message>
    <message>
        <source>it holds %1 of the five fields a valve needs (name|largest flow|largest drop|p0|k|first flow|, each field closed by a bar)</source>
        <translation>sadrži %1 od pet polja potrebnih za ventil (naziv|najveći protok|najveći pad|p0|k|početni protok|, svako polje zatvoreno uspravnom crtom)</translation>
    </message>
    <message>
        <source>the %1 %2 is no %3</source>
        <translation>%1 %2 nije %3</translation>
    </message>
    <message>
        <source>whole number</source>
        <translation>ceo broj</translation>
    </message>
    <message>
        <source>number (decimal point: &quot;.&quot;)</source>
        <translation>broj (decimalna tačka: &quot;.&quot;)</translation>
    </message>
    <message>
        <source>the largest flow %1 l/min is not between 1 and %2 l/min</source>
        <translation>najveći protok %1 l/min nije između 1 i %2 l/min</translation>
    </message>
    <message>
        <source>the largest drop %1 bar is not between 1 and %2 bar</source>
        <translation>najveći pad pritiska %1 bar nije između 1 i %2 bar</translation>
    </message>
    <message>
        <source>the first flow %1 l/min is not between 0 and %2 l/min (below the largest flow)</source>
        <translation>početni protok %1 l/min nije između 0 i %2 l/min (ispod najvećeg protoka)</translation>
    </message>
    <message>
        <source>the %1 %2 bar is not between 0 and %3 bar</source>
        <translation>%1 %2 bar nije između 0 i %3 bar</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0</source>
        <translation>%1 %2 je manji od 0</translation>
    </message>
    <message>
        <source>the %1 %2 gives a drop above %3 bar at the largest flow %4 l/min</source>
        <translation>%1 %2 daje pad pritiska veći od %3 bar pri najvećem protoku %4 l/min</translation>
    </message>
</context>
<context>
    <name>ValvePage</name>
    <message>
        <source>Hydraulic character coeficient:</source>
        <translation>Koeficijent hidrauličke karakteristike:</translation>
    </message>
    <message>
        <source>Min. working ressure</source>
        <translation>Min. radni pritisak</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Ulazni pritisak</translation>
    </message>
    <message>
        <source>DirectionalControlValve 4-3</source>
        <translation>Razvodnik 4/3</translation>
    </message>
    <message>
        <source>Double Check Valve</source>
        <translation>Dvostruki nepovratni ventil</translation>
    </message>
    <message>
        <source>Check Valve</source>
        <translation>Nepovratni ventil</translation>
    </message>
    <message>
        <source>Pilot Operated Check Valve</source>
        <translation>Upravljani nepovratni ventil</translation>
    </message>
    <message>
        <source>Hidraulic Calculator</source>
        <translation>Pad pritiska na ventilu: prevelik protok</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Pad pritiska na ventilu: greška u unosu</translation>
    </message>
    <message>
        <source>pressure drop [%1]</source>
        <translation>Pad pritiska [%1]</translation>
    </message>
    <message>
        <source>Select From Database</source>
        <translation>Izbor iz baze</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Korisnički</translation>
    </message>
    <message>
        <source>Valve type</source>
        <translation>Tip ventila</translation>
    </message>
    <message>
        <source>Open data file…</source>
        <translation>Otvori datoteku…</translation>
    </message>
    <message>
        <source>Load the valves of a data file of your choice</source>
        <translation>Učitaj ventile iz datoteke podataka po izboru</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Proba</translation>
    </message>
    <message>
        <source>pressure drop</source>
        <translation>Pad pritiska</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Protok</translation>
    </message>
    <message>
        <source>Right click for pump flow</source>
        <translation>Desni klik za protok pumpe</translation>
    </message>
    <message>
        <source>Use Flow</source>
        <translation>Uzmi protok pumpe</translation>
    </message>
    <message>
        <source>Use last calculated pump flow</source>
        <translation>Uzmi poslednji izračunati protok pumpe</translation>
    </message>
    <message>
        <source>Erase diagram</source>
        <translation>Obriši dijagram</translation>
    </message>
    <message>
        <source>File load error</source>
        <translation>Pad pritiska na ventilu: datoteka nije učitana</translation>
    </message>
    <message>
        <source>Error no : 1000</source>
        <translation>Za ovaj tip ventila nije pronađena datoteka podataka.</translation>
    </message>
    <message>
        <source>The valve data file %1 is not loaded: %2.</source>
        <translation>Datoteka podataka ventila %1 nije učitana: %2.</translation>
    </message>
    <message>
        <source>Error no: 1001</source>
        <translation>Nedostaje slika ovog tipa ventila.</translation>
    </message>
    <message>
        <source>Resource loading error</source>
        <translation>Pad pritiska na ventilu: slika nije učitana</translation>
    </message>
    <message>
        <source>Line %1 of the valve data file %2 is not used: %3.</source>
        <translation>Red %1 datoteke podataka ventila %2 se ne koristi: %3.</translation>
    </message>
    <message>
        <source>Valve data error</source>
        <translation>Pad pritiska na ventilu: greška u podacima ventila</translation>
    </message>
    <message>
        <source>User defined valve</source>
        <translation>Korisnički ventil</translation>
    </message>
    <message>
        <source>Please select a valve first: choose the valve type, then click the valve&apos;s size in the list below it.</source>
        <translation>Prvo izaberite ventil: izaberite tip ventila, zatim kliknite na veličinu ventila u listi ispod njega.</translation>
    </message>
    <message>
        <source>No valve selected</source>
        <translation>Pad pritiska na ventilu: ventil nije izabran</translation>
    </message>
    <message>
        <source>Data line: %1</source>
        <translation>Red podataka: %1</translation>
    </message>
    <message>
        <source>The intake pressure %1 is below the valve&apos;s drop of %2 at %3: the outlet would be below %4. Please raise the intake pressure.</source>
        <translation>Ulazni pritisak %1 je manji od pada pritiska na ventilu %2 pri %3: izlazni pritisak bi bio ispod %4. Povećajte ulazni pritisak.</translation>
    </message>
    <message>
        <source>Intake pressure too low</source>
        <translation>Pad pritiska na ventilu: prenizak ulazni pritisak</translation>
    </message>
    <message>
        <source>User coefficients: k = %1 bar/(l/min)^2, p0 = %2 bar</source>
        <translation>Koeficijenti korisnika: k = %1 bar/(l/min)^2, p0 = %2 bar</translation>
    </message>
    <message>
        <source>Warning: the valve &quot;%1&quot; runs at %2, above the largest flow of its data, %3</source>
        <translation>Upozorenje: ventil &quot;%1&quot; radi sa %2, iznad najvećeg protoka iz njegovih podataka, %3</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Pad pritiska na ventilu: protok iznad podataka ventila</translation>
    </message>
    <message>
        <source>Open valve data file</source>
        <translation>Otvori datoteku podataka ventila</translation>
    </message>
    <message>
        <source>Valve data (*.dat)</source>
        <translation>Podaci ventila (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Flow to big for this valve, please select other</source>
        <translation>Protok je prevelik za ovaj ventil. Izaberite drugi ventil.</translation>
    </message>
    <message>
        <source>ERROR::%1</source>
        <translation>Protok pumpe nije preuzet: %1</translation>
    </message>
    <message>
        <source>Valve flow slider set error</source>
        <translation>Pad pritiska na ventilu: protok nije preuzet</translation>
    </message>
</context>
<context>
    <name>WorkingFluidPanel</name>
    <message>
        <source>Working fluid</source>
        <translation>Radni fluid</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>Korisnički zadat</translation>
    </message>
    <message>
        <source>Temp. [°C]</source>
        <translation>Temp. [°C]</translation>
    </message>
    <message>
        <source>Working temperature of the fluid, -20 to 120 °C</source>
        <translation>Radna temperatura fluida, od -20 do 120 °C</translation>
    </message>
    <message>
        <source>Density [kg/m3]</source>
        <translation>Gustina [kg/m³]</translation>
    </message>
    <message>
        <source>Kinematic viscosity [mm2/s]</source>
        <translation>Kin. viskoznost [mm²/s]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Write calculations</source>
        <translation>Beleži proračune</translation>
    </message>
    <message>
        <source>Metric (bar, l/min, mm)</source>
        <translation>Metričke (bar, l/min, mm)</translation>
    </message>
    <message>
        <source>US customary (psi, gpm, in)</source>
        <translation>Američke (psi, gpm, in)</translation>
    </message>
    <message>
        <source>The units the pages show; the figures stay as they are</source>
        <translation>Jedinice koje stranice prikazuju; brojevi ostaju kakvi jesu</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Jezik sistema</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Srpski</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <source>The language of the window and of new log entries, from the next start</source>
        <translation>Jezik prozora i novih unosa u dnevnik, od sledećeg pokretanja</translation>
    </message>
    <message>
        <source>Help me ..</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gustina</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kin. viskoznost</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Hidraulic Calculator</source>
        <translation>Hidraulički kalkulator: greška</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="en">
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
</context>
</TS>

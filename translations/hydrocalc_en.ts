<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TfrmKalvorMain</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>The calculator uses the language chosen from its next start. Entries already in the results log stay as they were written.</source>
        <translation>The calculator uses the language chosen from its next start. Entries already in the results log stay as they were written.</translation>
    </message>
</context>
</TS>

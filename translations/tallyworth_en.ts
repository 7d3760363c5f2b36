<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>tallyworth::PageWindow</name>
    <message numerus="yes">
        <source>The worksheet has %n page(s).</source>
        <translation>
            <numerusform>The worksheet has %n page.</numerusform>
            <numerusform>The worksheet has %n pages.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyworth::ProblemRules</name>
    <message numerus="yes">
        <source>%Ln different problems</source>
        <translation>
            <numerusform>%Ln different problem</numerusform>
            <numerusform>%Ln different problems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %Ln different problems: some will repeat</source>
        <translation>
            <numerusform>only %Ln different problem: it will repeat</numerusform>
            <numerusform>only %Ln different problems: some will repeat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</source>
        <translation>
            <numerusform>Only %Ln different problem fits these settings and rules, so it will repeat. Make the worksheet anyway?</numerusform>
            <numerusform>Only %Ln different problems fit these settings and rules, so some will repeat. Make the worksheet anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</source>
        <translation>
            <numerusform>Only %Ln different problem fits these settings and rules, so it will repeat; the worksheets are made anyway.</numerusform>
            <numerusform>Only %Ln different problems fit these settings and rules, so some will repeat; the worksheets are made anyway.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyworth::SectionsDialog</name>
    <message numerus="yes">
        <source>Sheet of %n section(s) (Options &gt; Sections)</source>
        <translation>
            <numerusform>Sheet of %n section (Options &gt; Sections)</numerusform>
            <numerusform>Sheet of %n sections (Options &gt; Sections)</numerusform>
        </translation>
    </message>
</context>
</TS>

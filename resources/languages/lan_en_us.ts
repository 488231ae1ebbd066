<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Setting Finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</translation>
    </message>
</context>
</TS>

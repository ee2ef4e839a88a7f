<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Form1</name>
    <message numerus="yes">
        <source>Appropriate weight %1 to %2 pounds</source>
        <extracomment>Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.</extracomment>
        <translation>
            <numerusform>Appropriate weight %1 to %2 pound</numerusform>
            <numerusform>Appropriate weight %1 to %2 pounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Appropriate weight %1 to %2 kilograms</source>
        <extracomment>Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.</extracomment>
        <translation>
            <numerusform>Appropriate weight %1 to %2 kilogram</numerusform>
            <numerusform>Appropriate weight %1 to %2 kilograms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Total energy expenditure %1 kilocalories</source>
        <extracomment>Spoken after a pause in typing. %1 is the total energy expenditure per day as shown, a whole number with grouped thousands; the noun takes the form that the number asks for.</extracomment>
        <translation>
            <numerusform>Total energy expenditure %1 kilocalorie</numerusform>
            <numerusform>Total energy expenditure %1 kilocalories</numerusform>
        </translation>
    </message>
</context>
</TS>

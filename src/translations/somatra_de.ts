<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>kg, cm</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <translation>Kilogramm und Zentimeter</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Pfund, Fuß und Zoll</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Größe (cm)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Zoll zusätzlich zu den Fuß</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <translation>Bereich des angemessenen Körpergewichts für die Größe</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Angemessenes Gewicht (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Untere und obere Grenze</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 und älter</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Mann</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Körperliche Aktivität</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Intensität der körperlichen Aktivität in der Freizeit und bei der Arbeit</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Aktivität in der Freizeit</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Aktivität in der Freizeit</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Mäßig aktiv</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Sehr aktiv</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Aktivität im Beruf</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Beispiele von Berufen für die gewählte Aktivität im Beruf</translation>
    </message>
    <message>
        <source>BMI (kg/m²):</source>
        <translation>BMI (kg/m²):</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <translation>BMI (kg/m</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Untergewicht</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Normalgewicht</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <translation>Übergewicht</translation>
    </message>
    <message>
        <source>Obesity</source>
        <translation>Adipositas</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Skala des Body-Mass-Index</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Balken von 12 bis 36 kg/m², der beim Body-Mass-Index endet</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>BMI (Body-Mass-Index):</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>BMI (Body-Mass-Index)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Kilogramm pro Quadratmeter</translation>
    </message>
    <message>
        <source>kg/m²</source>
        <translation>kg/m²</translation>
    </message>
    <message>
        <source>kg/m</source>
        <translation>kg/m</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>Die Gewichtsklasse verlangt Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Zustimmung</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>Das Gewicht liegt im Normalbereich</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Gewichtsklasse des Body-Mass-Index</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <translation>TEE (Gesamtenergieumsatz):</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <translation>TEE (Gesamtenergieumsatz)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <translation>Kilokalorien pro Tag</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <translation>Angemessenes Gewicht (lb)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Größe (%1)</translation>
    </message>
    <message>
        <source>Weight (%1)</source>
        <translation>Gewicht (%1)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <translation>Ganze Fuß, die Zoll im nächsten Feld</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Englische Einheiten, Größe und Gewicht geleert</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Metrische Einheiten, Größe und Gewicht geleert</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Kein BMI</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>BMI %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Angemessenes Gewicht %1 bis %2 Pfund</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Angemessenes Gewicht %1 bis %2 Kilogramm</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Gesamtenergieumsatz %1 Kilokalorien</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>Nicht eingefügt: hier passt nur eine Zahl</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>Über Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>Wofür Somatra da ist</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>Somatra ist ein kompaktes Programm, das Ihnen hilft, den Body-Mass-Index (BMI) und den täglichen Energieumsatz (TEE) abzuschätzen, um einen passenden Ernährungsplan zu erstellen.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Wer Somatra macht</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Öffnet die Homepage von Somatra im Webbrowser</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>Lehrkräfte, Büroangestellte, Handelsvertreter, Hausfrauen und Hausmänner</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>Verkäufer, Hausangestellte, Studierende, Transportarbeiter, Dachdecker, Jäger, Fischer, manche Fertigungsberufe</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>Arbeiter, Landwirte, Maurer, die alle Arbeit von Hand verrichten</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>Untergewicht</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>BMI unter 18,5 kg/m² (Protein-Energie-Mangelernährung)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>Normalgewicht</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>BMI im Bereich von 18,5 bis 25 kg/m² (Normalgewicht)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>Übergewicht</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>BMI im Bereich von 25 bis 30 kg/m² (Übergewicht)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>Adipositas</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>BMI über 30 kg/m² (Adipositas)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>bitte das Gewicht prüfen</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Bitte das Gewicht prüfen: so viel oder wenig wog nie ein Erwachsener</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>bitte die Größe prüfen</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Bitte die Größe prüfen: so groß oder klein war nie ein Erwachsener</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>bitte Gewicht und Größe prüfen</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Bitte Gewicht und Größe prüfen: solche Maße hatte nie ein Erwachsener</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
</context>
</TS>

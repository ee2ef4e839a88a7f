<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>kg, cm</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <translation>Kilogramy i centymetry</translation>
    </message>
    <message>
        <source>English</source>
        <translation>lb, ft</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Funty, stopy i cale</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Wzrost:</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Wzrost (cm)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Cale</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Cale dodane do stóp</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cal</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Masa:</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Masa ciała (kg)</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <translation>Zakres masy ciała właściwy dla wzrostu</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Właściwa masa (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Dolna i górna granica</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Wiek</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 i więcej</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Płeć</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Męska</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Żeńska</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Poziomy aktywności fizycznej</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Intensywność aktywności fizycznej poza pracą i w pracy</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Aktywność poza pracą</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Aktywność poza pracą</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Umiarkowany</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Aktywność w pracy</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Przykłady zawodów dla wybranej aktywności w pracy</translation>
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
        <translation>Masa ciała:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Niedowaga</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Prawidłowa</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <translation>Nadwaga</translation>
    </message>
    <message>
        <source>Obesity</source>
        <translation>Otyłość</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Skala wskaźnika masy ciała</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Pasek od 12 do 36 kg/m², który kończy się na wskaźniku masy ciała</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>Wskaźnik masy ciała:</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>BMI (wskaźnik masy ciała)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Kilogramy na metr kwadratowy</translation>
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
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>Kategoria masy ciała wymaga uwagi</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Aprobata</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>Masa ciała jest w kategorii prawidłowej</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Kategoria masy ciała według wskaźnika masy ciała</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <translation>CPE (całkowity wydatek energii):</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <translation>CPE (całkowity wydatek energii)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <translation>Kilokalorie na dobę</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
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
        <translation>Właściwa masa (lb)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Wzrost (%1)</translation>
    </message>
    <message>
        <source>Weight (%1)</source>
        <translation>Masa ciała (%1)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <translation>Pełne stopy, cale w następnym polu</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Jednostki angielskie, wzrost i masa wyczyszczone</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Jednostki metryczne, wzrost i masa wyczyszczone</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Brak BMI</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>BMI %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Właściwa masa ciała od %1 do %2 funtów</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Właściwa masa ciała od %1 do %2 kilogramów</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Całkowity wydatek energii %1 kilokalorii</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>Nie wklejono: tu można wpisać tylko liczbę</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>O programie Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>Do czego służy Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>Somatra to niewielki program, który pomaga oszacować wskaźnik masy ciała (BMI) i dzienny wydatek energii (CPE), aby ułożyć odpowiedni plan żywienia.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Kto tworzy Somatrę</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Otwiera stronę domową Somatry w przeglądarce</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Zamyka to okno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>nauczyciele, pracownicy biurowi, przedstawiciele handlowi, osoby prowadzące dom</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>sprzedawcy, pomoc domowa, studenci, pracownicy transportu, dekarze, myśliwi, rybacy, niektóre zawody produkcyjne</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>robotnicy, rolnicy, murarze wykonujący całą pracę ręcznie</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>niedowaga</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>BMI poniżej 18,5 kg/m² (niedożywienie białkowo-energetyczne)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>prawidłowa masa ciała</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>BMI w zakresie od 18,5 do 25 kg/m² (prawidłowa masa ciała)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>nadwaga</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>BMI w zakresie od 25 do 30 kg/m² (nadwaga)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>otyłość</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>BMI powyżej 30 kg/m² (otyłość)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>sprawdź masę ciała</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Sprawdź masę ciała: żaden dorosły nigdy tyle nie ważył</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>sprawdź wzrost</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Sprawdź wzrost: żaden dorosły nigdy nie miał takiego wzrostu</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>sprawdź masę i wzrost</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Sprawdź masę i wzrost: żaden dorosły nigdy nie miał takich wymiarów</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <extracomment>Title of the main window: the program name.</extracomment>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <extracomment>Title of the group of unit options; 169 px at 100 %.</extracomment>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Metric</source>
        <extracomment>Caption of the option for metric units (kilograms, centimetres); 37 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>kg, cm</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <extracomment>Spoken description of the option for metric units.</extracomment>
        <translation>Kilogrammes et centimètres</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Caption of the option for English units (pounds, feet and inches): the unit system, not the language; 45 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>lb, pi</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <extracomment>Spoken description of the option for English units.</extracomment>
        <translation>Livres, pieds et pouces</translation>
    </message>
    <message>
        <source>Height:</source>
        <extracomment>Caption before the height box; 41 px at 100 %.</extracomment>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>Unit after the height box, short for centimetres; 25 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <extracomment>What a screen reader calls the inches box (English units only).</extracomment>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <extracomment>Spoken description of the inches box: the inches count together with the feet in the height box.</extracomment>
        <translation>Pouces ajoutés aux pieds</translation>
    </message>
    <message>
        <source>inch</source>
        <extracomment>Unit after the inches box; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>po</translation>
    </message>
    <message>
        <source>Weight:</source>
        <extracomment>Caption before the weight box; 41 px at 100 %.</extracomment>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <source>kg</source>
        <extracomment>Unit after the weight box, short for kilograms; 41 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <extracomment>Spoken description of the appropriate weight range.</extracomment>
        <translation>Plage de poids corporel adaptée à la taille</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <extracomment>Title of the box that shows the appropriate weight range; 137 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Poids adapté (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <extracomment>Spoken description of the appropriate weight range: its two figures.</extracomment>
        <translation>Limites inférieure et supérieure</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>Title of the age group options; 265 px at 100 %.</extracomment>
        <translation>Âge</translation>
    </message>
    <message>
        <source>60 and over</source>
        <extracomment>Age group option: 60 years and over; 61 px at 100 %.</extracomment>
        <translation>60 et plus</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Title of the sex options; 201 px at 100 %.</extracomment>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Male</source>
        <extracomment>Option caption; 37 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>Option caption; 45 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <extracomment>Title of the box of both activity groups; 497 px at 100 %.</extracomment>
        <translation>Niveaux d’activité physique</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <extracomment>Spoken description of the box of both activity groups.</extracomment>
        <translation>Intensité de l’activité physique hors travail et au travail</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <extracomment>What a screen reader calls the group: physical activity outside work.</extracomment>
        <translation>Activité hors travail</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <extracomment>Title of the group: physical activity outside work; 465 px at 100 %.</extracomment>
        <translation>Activité hors travail</translation>
    </message>
    <message>
        <source>Non-active</source>
        <extracomment>Level of physical activity, low intensity; option caption, also its spoken name; 53 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <extracomment>Level of physical activity, moderate intensity; option caption, also its spoken name; 85 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Modérée</translation>
    </message>
    <message>
        <source>Very active</source>
        <extracomment>Level of physical activity, high intensity; option caption, also its spoken name; 69 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <extracomment>Title of the group: physical activity at work; 465 px at 100 %.</extracomment>
        <translation>Activité au travail</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <extracomment>Spoken description of the line of occupations under the activity at work.</extracomment>
        <translation>Exemples de métiers pour l’activité au travail choisie</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <extracomment>Heading of the BMI scale, followed by a raised &quot;2&quot; and &quot;):&quot;; 57 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>IMC (kg/m</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <extracomment>Caption of the weight categories under the BMI scale; 81 px at 100 %.</extracomment>
        <translation>Corpulence&#xa0;:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <extracomment>Weight category under the scale, BMI below 18.5; 81 px at 100 %.</extracomment>
        <translation>Poids insuffisant</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <extracomment>Weight category under the scale, BMI 18.5 to 25; 113 px at 100 %.</extracomment>
        <translation>Poids normal</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <extracomment>Weight category under the scale, BMI 25 to 30 (overweight); 97 px at 100 %.</extracomment>
        <translation>Surpoids</translation>
    </message>
    <message>
        <source>Obesity</source>
        <extracomment>Weight category under the scale, BMI 30 and over; 89 px at 100 %.</extracomment>
        <translation>Obésité</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <extracomment>What a screen reader calls the bar of the BMI scale; the reading follows it.</extracomment>
        <translation>Échelle de l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <extracomment>Caption before the BMI result; 121 px at 100 %.</extracomment>
        <translation>IMC&#xa0;:</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <extracomment>What a screen reader calls the BMI result box.</extracomment>
        <translation>IMC (indice de masse corporelle)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <extracomment>Spoken unit of the BMI result.</extracomment>
        <translation>Kilogrammes par mètre carré</translation>
    </message>
    <message>
        <source>kg/m</source>
        <extracomment>Unit after the BMI result, followed by a raised &quot;2&quot;; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kg/m</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Name of the warning picture beside the weight category message.</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <extracomment>Spoken description of the warning picture.</extracomment>
        <translation>Catégorie de poids à surveiller</translation>
    </message>
    <message>
        <source>Approval</source>
        <extracomment>Name of the tick picture beside the message of a normal weight: the result is in order.</extracomment>
        <translation>Dans la norme</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <extracomment>Spoken description of the tick picture.</extracomment>
        <translation>Le poids est dans la catégorie normale</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <extracomment>Spoken description of the weight category message.</extracomment>
        <translation>Catégorie de poids selon l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <extracomment>Caption before the total energy expenditure result; 161 px at 100 %.</extracomment>
        <translation>Dépense énergétique totale&#xa0;:</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <extracomment>What a screen reader calls the total energy expenditure result box.</extracomment>
        <translation>DET (dépense énergétique totale)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <extracomment>Spoken unit of the total energy expenditure result.</extracomment>
        <translation>Kilocalories par jour</translation>
    </message>
    <message>
        <source>kcal</source>
        <extracomment>Unit after the energy result, short for kilocalories; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Menu bar item that opens the About window; &quot;&amp;&quot; marks the letter of its Alt key.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>Spoken when F10 takes the keyboard to the menu bar.</extracomment>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>ft</source>
        <extracomment>Unit after the height box in English units, short for feet; 25 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>pi</translation>
    </message>
    <message>
        <source>lbs</source>
        <extracomment>Unit after the weight box in English units, short for pounds; 41 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <extracomment>Title of the box that shows the appropriate weight range in English units; 137 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Poids adapté (lb)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <extracomment>Spoken description of the height box in English units.</extracomment>
        <translation>Pieds entiers&#xa0;; les pouces vont dans le champ suivant</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <extracomment>Spoken when the person chooses English units, which empties the height and weight boxes.</extracomment>
        <translation>Unités anglo-saxonnes, taille et poids effacés</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Unités métriques, taille et poids effacés</translation>
    </message>
    <message>
        <source>No BMI</source>
        <extracomment>Spoken after a pause in typing when the BMI went away: a weight or height was cleared.</extracomment>
        <translation>Pas d’IMC</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <extracomment>Spoken after a pause in typing. %1 is the BMI as shown (&quot;22.9&quot;), %2 the spoken weight category (&quot;normal weight&quot;) or which measurement to check.</extracomment>
        <translation>IMC %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Appropriate weight %1 to %2 pounds</source>
        <extracomment>Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.</extracomment>
        <translation>
            <numerusform>Poids adapté de %1 à %2 livre</numerusform>
            <numerusform>Poids adapté de %1 à %2 livres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Appropriate weight %1 to %2 kilograms</source>
        <extracomment>Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.</extracomment>
        <translation>
            <numerusform>Poids adapté de %1 à %2 kilogramme</numerusform>
            <numerusform>Poids adapté de %1 à %2 kilogrammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Total energy expenditure %1 kilocalories</source>
        <extracomment>Spoken after a pause in typing. %1 is the total energy expenditure per day as shown, a whole number with grouped thousands; the noun takes the form that the number asks for.</extracomment>
        <translation>
            <numerusform>Dépense énergétique totale&#xa0;: %1 kilocalorie</numerusform>
            <numerusform>Dépense énergétique totale&#xa0;: %1 kilocalories</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <extracomment>Tooltip under a measurement box, also spoken, when a paste holds no number; no room limit.</extracomment>
        <translation>Collage refusé&#xa0;: seul un nombre est accepté ici</translation>
    </message>
    <message>
        <source>Metric</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option for metric units, in words, never symbols.</extracomment>
        <translation>Unités métriques</translation>
    </message>
    <message>
        <source>English</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option for English units (pounds, feet and inches), in words, never symbols: the unit system, not the language.</extracomment>
        <translation>Unités anglo-saxonnes</translation>
    </message>
    <message>
        <source>Height in centimetres</source>
        <extracomment>What a screen reader calls the height box in metric units.</extracomment>
        <translation>Taille en centimètres</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <extracomment>What a screen reader calls the weight box in metric units.</extracomment>
        <translation>Poids en kilogrammes</translation>
    </message>
    <message>
        <source>Appropriate weight in kilograms</source>
        <extracomment>What a screen reader calls the box of the appropriate weight range in metric units.</extracomment>
        <translation>Poids adapté en kilogrammes</translation>
    </message>
    <message>
        <source>18 to 29</source>
        <extracomment>What a screen reader calls the age option &quot;18-29&quot;, in words.</extracomment>
        <translation>De 18 à 29</translation>
    </message>
    <message>
        <source>30 to 59</source>
        <extracomment>What a screen reader calls the age option &quot;30-59&quot;, in words.</extracomment>
        <translation>De 30 à 59</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option: the whole word, no abbreviation.</extracomment>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option: the whole word, no abbreviation.</extracomment>
        <translation>Femme</translation>
    </message>
    <message>
        <source>BMI in kilograms per square metre:</source>
        <extracomment>What a screen reader says for the heading of the BMI scale, in words.</extracomment>
        <translation>IMC en kilogrammes par mètre carré&#xa0;:</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kilograms per square metre that ends at the body mass index</source>
        <extracomment>Spoken description of the bar of the BMI scale, in words.</extracomment>
        <translation>Barre de 12 à 36 kilogrammes par mètre carré qui s’arrête à la valeur de l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>Appropriate weight in pounds</source>
        <extracomment>What a screen reader calls the box of the appropriate weight range in English units.</extracomment>
        <translation>Poids adapté en livres</translation>
    </message>
    <message>
        <source>Height in feet</source>
        <extracomment>What a screen reader calls the height box in English units: it takes whole feet.</extracomment>
        <translation>Taille en pieds</translation>
    </message>
    <message>
        <source>Weight in pounds</source>
        <extracomment>What a screen reader calls the weight box in English units.</extracomment>
        <translation>Poids en livres</translation>
    </message>
    <message>
        <source>Height in centimetres:</source>
        <extracomment>What a screen reader says for the caption before the height box in metric units; the height follows it.</extracomment>
        <translation>Taille en centimètres&#xa0;:</translation>
    </message>
    <message>
        <source>Weight in kilograms:</source>
        <extracomment>What a screen reader says for the caption before the weight box in metric units; the weight follows it.</extracomment>
        <translation>Poids en kilogrammes&#xa0;:</translation>
    </message>
    <message>
        <source>Body mass index in kilograms per square metre:</source>
        <extracomment>What a screen reader says for the caption before the BMI result; the BMI follows it.</extracomment>
        <translation>Indice de masse corporelle en kilogrammes par mètre carré&#xa0;:</translation>
    </message>
    <message>
        <source>Total energy expenditure in kilocalories per day:</source>
        <extracomment>What a screen reader says for the caption before the total energy expenditure; the figure follows it.</extracomment>
        <translation>Dépense énergétique totale en kilocalories par jour&#xa0;:</translation>
    </message>
    <message>
        <source>Height in feet and inches:</source>
        <extracomment>What a screen reader says for the caption before the height box in English units; the feet and the inches follow it.</extracomment>
        <translation>Taille en pieds et pouces&#xa0;:</translation>
    </message>
    <message>
        <source>Weight in pounds:</source>
        <extracomment>What a screen reader says for the caption before the weight box in English units; the weight follows it.</extracomment>
        <translation>Poids en livres&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <extracomment>Title of the About window.</extracomment>
        <translation>À propos de Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <extracomment>Spoken description of the text that says what the program is for.</extracomment>
        <translation>À quoi sert Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <extracomment>What the program is for; 369 px wide and 4 lines at 100 %.</extracomment>
        <translation>Somatra est une application compacte qui vous aide à estimer l’indice de masse corporelle (IMC) et la dépense énergétique totale journalière (DET) pour établir un plan nutritionnel adapté.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <extracomment>Spoken description of the maker&apos;s notice.</extracomment>
        <translation>Qui développe Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <extracomment>Spoken description of the home page button.</extracomment>
        <translation>Ouvre la page d’accueil de Somatra dans le navigateur</translation>
    </message>
    <message>
        <source>Home Page</source>
        <extracomment>Button that opens the home page in the web browser; 75 px at 100 %.</extracomment>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <extracomment>Spoken description of the close button.</extracomment>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the About window; 67 px at 100 %.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <extracomment>Examples of occupations of low-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>enseignants, employés de bureau, représentants de commerce, personnes au foyer</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <extracomment>Examples of occupations of moderate-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>vendeurs, employés de maison, étudiants, employés des transports, couvreurs, chasseurs, pêcheurs, certains emplois industriels</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <extracomment>Examples of occupations of high-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>ouvriers, agriculteurs, maçons, dont tout le travail se fait à la main</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 17.2, reduced weight&quot;), also read on the BMI scale.</extracomment>
        <translation>insuffisance pondérale</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC inférieur à 18,5&#xa0;kg/m² (malnutrition&#xa0;protéino-énergétique)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 22.9, normal weight&quot;), also read on the BMI scale.</extracomment>
        <translation>poids normal</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC de 18,5 à 25&#xa0;kg/m² (poids normal)</translation>
    </message>
    <message>
        <source>overweight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 27.1, overweight&quot;), also read on the BMI scale.</extracomment>
        <translation>surpoids</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC de 25 à 30&#xa0;kg/m² (surpoids)</translation>
    </message>
    <message>
        <source>obesity</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 32.7, obesity&quot;), also read on the BMI scale.</extracomment>
        <translation>obésité</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC supérieur à 30&#xa0;kg/m² (obésité)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <extracomment>Spoken after the BMI in place of its category (&quot;BMI 326.5, please check the weight&quot;): the weight is below or above that of any adult ever recorded.</extracomment>
        <translation>vérifiez le poids</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. The weight is below or above that of any adult ever recorded.</extracomment>
        <translation>Vérifiez le poids&#xa0;: aucun adulte n’a jamais eu ce poids</translation>
    </message>
    <message>
        <source>please check the height</source>
        <extracomment>Spoken after the BMI in place of its category: the height is below or above that of any adult ever recorded.</extracomment>
        <translation>vérifiez la taille</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. The height is below or above that of any adult ever recorded.</extracomment>
        <translation>Vérifiez la taille&#xa0;: aucun adulte n’a jamais eu cette taille</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <extracomment>Spoken after the BMI in place of its category: weight and height are both beyond those of any adult ever recorded.</extracomment>
        <translation>vérifiez le poids et la taille</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. Weight and height are both beyond those of any adult ever recorded.</extracomment>
        <translation>Vérifiez le poids et la taille&#xa0;: aucun adulte n’a jamais eu ces mesures</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls a scale: %1 its name, %2 its reading.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Spoken after an option&apos;s name: its place in its group, as in &quot;2 of 3&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Spoken joins: %1 and %2 said one after the other, as a list; also an option&apos;s description followed by its place in its group.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <extracomment>Spoken reading of the BMI scale while there is no BMI.</extracomment>
        <translation>aucune valeur</translation>
    </message>
</context>
</TS>

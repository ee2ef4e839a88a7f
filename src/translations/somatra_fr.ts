<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>kg, cm</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <translation>Kilogrammes et centimètres</translation>
    </message>
    <message>
        <source>English</source>
        <translation>lb, pi</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Livres, pieds et pouces</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Taille (cm)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Pouces ajoutés aux pieds</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>po</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Poids (kg)</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <translation>Plage de poids corporel adaptée à la taille</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Poids adapté (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Limite inférieure et supérieure</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 et plus</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Niveaux d’activité physique</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Intensité de l’activité physique hors travail et au travail</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Activité hors travail</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Activité hors travail</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Modérément actif</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Très actif</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Activité au travail</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Exemples de métiers pour l’activité au travail choisie</translation>
    </message>
    <message>
        <source>BMI (kg/m²):</source>
        <translation>IMC (kg/m²) :</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <translation>IMC (kg/m</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <translation>Corpulence :</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Maigreur</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <translation>Surpoids</translation>
    </message>
    <message>
        <source>Obesity</source>
        <translation>Obésité</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Échelle de l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Barre de 12 à 36 kg/m² qui s’arrête à l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>IMC (masse corporelle) :</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>IMC (indice de masse corporelle)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Kilogrammes par mètre carré</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>La catégorie de poids demande de l’attention</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Approbation</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>Le poids est dans la catégorie normale</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Catégorie de poids selon l’indice de masse corporelle</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <translation>DET (dépense énergétique) :</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <translation>DET (dépense énergétique totale)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <translation>Kilocalories par jour</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <translation>Poids adapté (lb)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Taille (%1)</translation>
    </message>
    <message>
        <source>Weight (%1)</source>
        <translation>Poids (%1)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <translation>Pieds entiers, les pouces dans la case suivante</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Unités anglo-saxonnes, taille et poids effacés</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Unités métriques, taille et poids effacés</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Pas d’IMC</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>IMC %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Poids adapté de %1 à %2 livres</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Poids adapté de %1 à %2 kilogrammes</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Dépense énergétique totale %1 kilocalories</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>Non collé : seul un nombre peut aller ici</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>À propos de Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>À quoi sert Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>Somatra est une application compacte qui vous aide à estimer l’indice de masse corporelle (IMC) et la dépense énergétique journalière (DET) pour établir un plan nutritionnel adapté.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Qui fait Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Ouvre la page d’accueil de Somatra dans le navigateur</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>enseignants, employés de bureau, représentants de commerce, personnes au foyer</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>vendeurs, employés de maison, étudiants, transporteurs, couvreurs, chasseurs, pêcheurs, certains métiers de production</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>ouvriers, agriculteurs, maçons qui font tout le travail à la main</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>insuffisance pondérale</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>IMC inférieur à 18,5 kg/m² (malnutrition protéino-énergétique)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>corpulence normale</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>IMC de 18,5 à 25 kg/m² (corpulence normale)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>surpoids</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>IMC de 25 à 30 kg/m² (surpoids)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>obésité</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>IMC supérieur à 30 kg/m² (obésité)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>vérifiez le poids</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Vérifiez le poids : aucun adulte n’a jamais pesé cela</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>vérifiez la taille</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Vérifiez la taille : aucun adulte n’a jamais mesuré cela</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>vérifiez le poids et la taille</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Vérifiez poids et taille : aucun adulte n’a jamais eu ces mesures</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>aucune valeur</translation>
    </message>
</context>
</TS>

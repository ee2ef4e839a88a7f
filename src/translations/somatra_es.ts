<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Metric</source>
        <extracomment>Caption of the option for metric units (kilograms, centimetres); 37 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <extracomment>Spoken description of the option for metric units.</extracomment>
        <translation>Kilogramos y centímetros</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Caption of the option for English units (pounds, feet and inches): the unit system, not the language; 45 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <extracomment>Spoken description of the option for English units.</extracomment>
        <translation>Libras, pies y pulgadas</translation>
    </message>
    <message>
        <source>Height:</source>
        <extracomment>Caption before the height box; 41 px at 100 %.</extracomment>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>Unit after the height box, short for centimetres; 25 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <extracomment>What a screen reader calls the inches box (English units only).</extracomment>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <extracomment>Spoken description of the inches box: the inches count together with the feet in the height box.</extracomment>
        <translation>Pulgadas que se suman a los pies</translation>
    </message>
    <message>
        <source>inch</source>
        <extracomment>Unit after the inches box; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>Weight:</source>
        <extracomment>Caption before the weight box; 41 px at 100 %.</extracomment>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>kg</source>
        <extracomment>Unit after the weight box, short for kilograms; 41 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <extracomment>Spoken description of the appropriate weight range.</extracomment>
        <translation>Intervalo de peso corporal adecuado para la altura</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <extracomment>Title of the box that shows the appropriate weight range; 137 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Peso adecuado (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <extracomment>Spoken description of the appropriate weight range: its two figures.</extracomment>
        <translation>Límites inferior y superior</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>Title of the age group options; 265 px at 100 %.</extracomment>
        <translation>Edad</translation>
    </message>
    <message>
        <source>60 and over</source>
        <extracomment>Age group option: 60 years and over; 61 px at 100 %.</extracomment>
        <translation>60 o más</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Title of the sex options; 201 px at 100 %.</extracomment>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <extracomment>Option caption; 37 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Varón</translation>
    </message>
    <message>
        <source>Female</source>
        <extracomment>Option caption; 45 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <extracomment>Title of the box of both activity groups; 497 px at 100 %.</extracomment>
        <translation>Niveles de actividad física</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <extracomment>Spoken description of the box of both activity groups.</extracomment>
        <translation>Intensidad de la actividad física fuera del trabajo y en el trabajo</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <extracomment>What a screen reader calls the group: physical activity outside work.</extracomment>
        <translation>Actividad fuera del trabajo</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <extracomment>Title of the group: physical activity outside work; 465 px at 100 %.</extracomment>
        <translation>Actividad fuera del trabajo</translation>
    </message>
    <message>
        <source>Non-active</source>
        <extracomment>Level of physical activity, low intensity; option caption, also its spoken name; 53 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <extracomment>Level of physical activity, moderate intensity; option caption, also its spoken name; 85 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Moderada</translation>
    </message>
    <message>
        <source>Very active</source>
        <extracomment>Level of physical activity, high intensity; option caption, also its spoken name; 69 px at 100 %. It agrees with the group title.</extracomment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <extracomment>Title of the group: physical activity at work; 465 px at 100 %.</extracomment>
        <translation>Actividad laboral</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <extracomment>Spoken description of the line of occupations under the activity at work.</extracomment>
        <translation>Ejemplos de ocupaciones para la actividad laboral elegida</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <extracomment>Heading of the BMI scale, followed by a raised &quot;2&quot; and &quot;):&quot;; 57 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>IMC (kg/m</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <extracomment>Caption of the weight categories under the BMI scale; 81 px at 100 %.</extracomment>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <extracomment>Weight category under the scale, BMI below 18.5; 81 px at 100 %.</extracomment>
        <translation>Bajo peso</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <extracomment>Weight category under the scale, BMI 18.5 to 25; 113 px at 100 %.</extracomment>
        <translation>Peso normal</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <extracomment>Weight category under the scale, BMI 25 to 30 (overweight); 97 px at 100 %.</extracomment>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <source>Obesity</source>
        <extracomment>Weight category under the scale, BMI 30 and over; 89 px at 100 %.</extracomment>
        <translation>Obesidad</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <extracomment>What a screen reader calls the bar of the BMI scale; the reading follows it.</extracomment>
        <translation>Escala del índice de masa corporal</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <extracomment>Caption before the BMI result; 121 px at 100 %.</extracomment>
        <translation>Índice de masa corporal:</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <extracomment>What a screen reader calls the BMI result box.</extracomment>
        <translation>IMC (índice de masa corporal)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <extracomment>Spoken unit of the BMI result.</extracomment>
        <translation>Kilogramos por metro cuadrado</translation>
    </message>
    <message>
        <source>kg/m</source>
        <extracomment>Unit after the BMI result, followed by a raised &quot;2&quot;; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kg/m</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Name of the warning picture beside the weight category message.</extracomment>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <extracomment>Spoken description of the warning picture.</extracomment>
        <translation>La categoría de peso requiere atención</translation>
    </message>
    <message>
        <source>Approval</source>
        <extracomment>Name of the tick picture beside the message of a normal weight: the result is in order.</extracomment>
        <translation>Visto bueno</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <extracomment>Spoken description of the tick picture.</extracomment>
        <translation>El peso está en la categoría normal</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <extracomment>Spoken description of the weight category message.</extracomment>
        <translation>Categoría de peso según el índice de masa corporal</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <extracomment>Caption before the total energy expenditure result; 161 px at 100 %.</extracomment>
        <translation>GET (gasto energético total):</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <extracomment>What a screen reader calls the total energy expenditure result box.</extracomment>
        <translation>GET (gasto energético total)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <extracomment>Spoken unit of the total energy expenditure result.</extracomment>
        <translation>Kilocalorías por día</translation>
    </message>
    <message>
        <source>kcal</source>
        <extracomment>Unit after the energy result, short for kilocalories; 33 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Menu bar item that opens the About window; &quot;&amp;&quot; marks the letter of its Alt key.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>Spoken when F10 takes the keyboard to the menu bar.</extracomment>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>ft</source>
        <extracomment>Unit after the height box in English units, short for feet; 25 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>pies</translation>
    </message>
    <message>
        <source>lbs</source>
        <extracomment>Unit after the weight box in English units, short for pounds; 41 px at 100 %. Screen readers hear the unit in the caption before the box.</extracomment>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <extracomment>Title of the box that shows the appropriate weight range in English units; 137 px at 100 %. Screen readers say its spoken name instead.</extracomment>
        <translation>Peso adecuado (lb)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <extracomment>Spoken description of the height box in English units.</extracomment>
        <translation>Pies enteros; las pulgadas van en el campo siguiente</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <extracomment>Spoken when the person chooses English units, which empties the height and weight boxes.</extracomment>
        <translation>Unidades imperiales, altura y peso borrados</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Unidades métricas, altura y peso borrados</translation>
    </message>
    <message>
        <source>No BMI</source>
        <extracomment>Spoken after a pause in typing when the BMI went away: a weight or height was cleared.</extracomment>
        <translation>Sin IMC</translation>
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
            <numerusform>Peso adecuado de %1 a %2 libra</numerusform>
            <numerusform>Peso adecuado de %1 a %2 libras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Appropriate weight %1 to %2 kilograms</source>
        <extracomment>Spoken after a pause in typing, and when the range is read. %1 and %2 are the lower and upper limits as shown, whole numbers; the noun takes the form that the upper limit asks for.</extracomment>
        <translation>
            <numerusform>Peso adecuado de %1 a %2 kilogramo</numerusform>
            <numerusform>Peso adecuado de %1 a %2 kilogramos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Total energy expenditure %1 kilocalories</source>
        <extracomment>Spoken after a pause in typing. %1 is the total energy expenditure per day as shown, a whole number with grouped thousands; the noun takes the form that the number asks for.</extracomment>
        <translation>
            <numerusform>Gasto energético total: %1 kilocaloría</numerusform>
            <numerusform>Gasto energético total: %1 kilocalorías</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <extracomment>Tooltip under a measurement box, also spoken, when a paste holds no number; no room limit.</extracomment>
        <translation>No se pudo pegar: aquí solo se admite un número</translation>
    </message>
    <message>
        <source>Metric</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option for metric units, in words, never symbols.</extracomment>
        <translation>Unidades métricas</translation>
    </message>
    <message>
        <source>English</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option for English units (pounds, feet and inches), in words, never symbols: the unit system, not the language.</extracomment>
        <translation>Unidades imperiales</translation>
    </message>
    <message>
        <source>Height in centimetres</source>
        <extracomment>What a screen reader calls the height box in metric units.</extracomment>
        <translation>Altura en centímetros</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <extracomment>What a screen reader calls the weight box in metric units.</extracomment>
        <translation>Peso en kilogramos</translation>
    </message>
    <message>
        <source>Appropriate weight in kilograms</source>
        <extracomment>What a screen reader calls the box of the appropriate weight range in metric units.</extracomment>
        <translation>Peso adecuado en kilogramos</translation>
    </message>
    <message>
        <source>18 to 29</source>
        <extracomment>What a screen reader calls the age option &quot;18-29&quot;, in words.</extracomment>
        <translation>De 18 a 29</translation>
    </message>
    <message>
        <source>30 to 59</source>
        <extracomment>What a screen reader calls the age option &quot;30-59&quot;, in words.</extracomment>
        <translation>De 30 a 59</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option: the whole word, no abbreviation.</extracomment>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <comment>spoken name</comment>
        <extracomment>What a screen reader calls the option: the whole word, no abbreviation.</extracomment>
        <translation>Femenino</translation>
    </message>
    <message>
        <source>BMI in kilograms per square metre:</source>
        <extracomment>What a screen reader says for the heading of the BMI scale, in words.</extracomment>
        <translation>IMC en kilogramos por metro cuadrado:</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kilograms per square metre that ends at the body mass index</source>
        <extracomment>Spoken description of the bar of the BMI scale, in words.</extracomment>
        <translation>Barra de 12 a 36 kilogramos por metro cuadrado que termina en el valor del índice de masa corporal</translation>
    </message>
    <message>
        <source>Appropriate weight in pounds</source>
        <extracomment>What a screen reader calls the box of the appropriate weight range in English units.</extracomment>
        <translation>Peso adecuado en libras</translation>
    </message>
    <message>
        <source>Height in feet</source>
        <extracomment>What a screen reader calls the height box in English units: it takes whole feet.</extracomment>
        <translation>Altura en pies</translation>
    </message>
    <message>
        <source>Weight in pounds</source>
        <extracomment>What a screen reader calls the weight box in English units.</extracomment>
        <translation>Peso en libras</translation>
    </message>
    <message>
        <source>Height in centimetres:</source>
        <extracomment>What a screen reader says for the caption before the height box in metric units; the height follows it.</extracomment>
        <translation>Altura en centímetros:</translation>
    </message>
    <message>
        <source>Weight in kilograms:</source>
        <extracomment>What a screen reader says for the caption before the weight box in metric units; the weight follows it.</extracomment>
        <translation>Peso en kilogramos:</translation>
    </message>
    <message>
        <source>Body mass index in kilograms per square metre:</source>
        <extracomment>What a screen reader says for the caption before the BMI result; the BMI follows it.</extracomment>
        <translation>Índice de masa corporal en kilogramos por metro cuadrado:</translation>
    </message>
    <message>
        <source>Total energy expenditure in kilocalories per day:</source>
        <extracomment>What a screen reader says for the caption before the total energy expenditure; the figure follows it.</extracomment>
        <translation>Gasto energético total en kilocalorías por día:</translation>
    </message>
    <message>
        <source>Height in feet and inches:</source>
        <extracomment>What a screen reader says for the caption before the height box in English units; the feet and the inches follow it.</extracomment>
        <translation>Altura en pies y pulgadas:</translation>
    </message>
    <message>
        <source>Weight in pounds:</source>
        <extracomment>What a screen reader says for the caption before the weight box in English units; the weight follows it.</extracomment>
        <translation>Peso en libras:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <extracomment>Title of the About window.</extracomment>
        <translation>Acerca de Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <extracomment>Spoken description of the text that says what the program is for.</extracomment>
        <translation>Para qué sirve Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <extracomment>What the program is for; 369 px wide and 4 lines at 100 %.</extracomment>
        <translation>Somatra es una aplicación compacta que le ayuda a estimar el índice de masa corporal (IMC) y el gasto energético total diario (GET) para crear un plan de alimentación adecuado.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <extracomment>Spoken description of the maker&apos;s notice.</extracomment>
        <translation>Quién desarrolla Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <extracomment>Spoken description of the home page button.</extracomment>
        <translation>Abre el sitio web de Somatra en el navegador</translation>
    </message>
    <message>
        <source>Home Page</source>
        <extracomment>Button that opens the home page in the web browser; 75 px at 100 %.</extracomment>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <extracomment>Spoken description of the close button.</extracomment>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the About window; 67 px at 100 %.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <extracomment>Examples of occupations of low-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>docentes, oficinistas, viajantes de comercio, amas de casa</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <extracomment>Examples of occupations of moderate-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>vendedores, empleados domésticos, estudiantes, transportistas, techadores, cazadores, pescadores, algunos oficios fabriles</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <extracomment>Examples of occupations of high-intensity activity at work, shown in parentheses under the options: 473 px wide, 2 lines at 100 %.</extracomment>
        <translation>obreros, agricultores y albañiles que hacen todo su trabajo a mano</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 17.2, reduced weight&quot;), also read on the BMI scale.</extracomment>
        <translation>bajo peso</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC inferior a 18,5 kg/m² (desnutrición proteico-energética)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 22.9, normal weight&quot;), also read on the BMI scale.</extracomment>
        <translation>peso normal</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC de 18,5 a 25 kg/m² (peso normal)</translation>
    </message>
    <message>
        <source>overweight</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 27.1, overweight&quot;), also read on the BMI scale.</extracomment>
        <translation>sobrepeso</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC de 25 a 30 kg/m² (sobrepeso)</translation>
    </message>
    <message>
        <source>obesity</source>
        <extracomment>Spoken weight category after the BMI (&quot;BMI 32.7, obesity&quot;), also read on the BMI scale.</extracomment>
        <translation>obesidad</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <extracomment>Weight category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces.</extracomment>
        <translation>IMC superior a 30 kg/m² (obesidad)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <extracomment>Spoken after the BMI in place of its category (&quot;BMI 326.5, please check the weight&quot;): the weight is below or above that of any adult ever recorded.</extracomment>
        <translation>compruebe el peso</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. The weight is below or above that of any adult ever recorded.</extracomment>
        <translation>Compruebe el peso: ningún adulto ha tenido nunca ese peso</translation>
    </message>
    <message>
        <source>please check the height</source>
        <extracomment>Spoken after the BMI in place of its category: the height is below or above that of any adult ever recorded.</extracomment>
        <translation>compruebe la altura</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. The height is below or above that of any adult ever recorded.</extracomment>
        <translation>Compruebe la altura: ningún adulto ha tenido nunca esa altura</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <extracomment>Spoken after the BMI in place of its category: weight and height are both beyond those of any adult ever recorded.</extracomment>
        <translation>compruebe el peso y la altura</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <extracomment>Shown in place of the category message, bold 10 pt: 281 px wide, 2 lines at 100 %, broken only at spaces. Weight and height are both beyond those of any adult ever recorded.</extracomment>
        <translation>Compruebe el peso y la altura: ningún adulto ha tenido nunca esas medidas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls a scale: %1 its name, %2 its reading.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Spoken after an option&apos;s name: its place in its group, as in &quot;2 of 3&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Spoken joins: %1 and %2 said one after the other, as a list; also an option&apos;s description followed by its place in its group.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <extracomment>Spoken reading of the BMI scale while there is no BMI.</extracomment>
        <translation>sin valor</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>kg, cm</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <translation>Kilogramos y centímetros</translation>
    </message>
    <message>
        <source>English</source>
        <translation>lb, pie</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Libras, pies y pulgadas</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Altura (cm)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Pulgadas que se suman a los pies</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulg</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Peso (kg)</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <translation>Intervalo de peso corporal adecuado para la altura</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Peso adecuado (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Límite inferior y superior</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 o más</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Varón</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Niveles de actividad física</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Intensidad de la actividad física fuera del trabajo y en el trabajo</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Actividad fuera del trabajo</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Actividad fuera del trabajo</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Moderado</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Muy activo</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Actividad laboral</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Ejemplos de ocupaciones para la actividad laboral elegida</translation>
    </message>
    <message>
        <source>BMI (kg/m²):</source>
        <translation>IMC (kg/m²):</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <translation>IMC (kg/m</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Insuf. ponderal</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Peso normal</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <source>Obesity</source>
        <translation>Obesidad</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Escala del índice de masa corporal</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Barra de 12 a 36 kg/m² que termina en el índice de masa corporal</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>IMC (masa corporal):</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>IMC (índice de masa corporal)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Kilogramos por metro cuadrado</translation>
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
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>La categoría de peso requiere atención</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Aprobación</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>El peso está en la categoría normal</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Categoría de peso según el índice de masa corporal</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <translation>GET (gasto energético total):</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <translation>GET (gasto energético total)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <translation>Kilocalorías por día</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pie</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <translation>Peso adecuado (lb)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Altura (%1)</translation>
    </message>
    <message>
        <source>Weight (%1)</source>
        <translation>Peso (%1)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <translation>Pies enteros, las pulgadas en la casilla siguiente</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Unidades anglosajonas, altura y peso borrados</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Unidades métricas, altura y peso borrados</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Sin IMC</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>IMC %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Peso adecuado de %1 a %2 libras</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Peso adecuado de %1 a %2 kilogramos</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Gasto energético total %1 kilocalorías</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>No pegado: aquí solo cabe un número</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>Acerca de Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>Para qué sirve Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>Somatra es una aplicación compacta que le ayuda a estimar el índice de masa corporal (IMC) y el gasto energético diario (GET) para crear un plan de alimentación adecuado.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Quién hace Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Abre la página de inicio de Somatra en el navegador</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>docentes, oficinistas, viajantes de comercio, amas de casa</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>vendedores, empleados domésticos, estudiantes, transportistas, techadores, cazadores, pescadores, algunos oficios fabriles</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>obreros, agricultores, albañiles que hacen todo el trabajo a mano</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>insuficiencia ponderal</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>IMC inferior a 18,5 kg/m² (malnutrición proteico-energética)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>peso normal</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>IMC entre 18,5 y 25 kg/m² (peso normal)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>sobrepeso</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>IMC entre 25 y 30 kg/m² (sobrepeso)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>obesidad</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>IMC superior a 30 kg/m² (obesidad)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>compruebe el peso</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Compruebe el peso: ningún adulto ha pesado nunca eso</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>compruebe la altura</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Compruebe la altura: ningún adulto ha medido nunca eso</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>compruebe peso y altura</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Compruebe peso y altura: ningún adulto ha medido nunca eso</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
</context>
</TS>

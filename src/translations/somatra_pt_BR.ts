<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Quilogramas e centímetros</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglesas</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Libras, pés e polegadas</translation>
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
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Polegadas somadas aos pés</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pol</translation>
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
        <translation>Faixa de peso corporal adequada para a altura</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Peso adequado (kg)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Limite inferior e superior</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Idade</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 ou mais</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masc.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Fem.</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Níveis de atividade física</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Intensidade da atividade física fora do trabalho e no trabalho</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Atividade fora do trabalho</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Atividade fora do trabalho</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Moderado</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Muito ativo</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Atividade no trabalho</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Exemplos de profissões para a atividade no trabalho escolhida</translation>
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
        <translation>Categoria:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Baixo peso</translation>
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
        <translation>Obesidade</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Escala do índice de massa corporal</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Barra de 12 a 36 kg/m² que termina no índice de massa corporal</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>IMC (massa corporal):</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>IMC (índice de massa corporal)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Quilogramas por metro quadrado</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>A categoria de peso pede atenção</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Aprovação</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>O peso está na categoria normal</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Categoria de peso pelo índice de massa corporal</translation>
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
        <translation>Quilocalorias por dia</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pé</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <translation>Peso adequado (lb)</translation>
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
        <translation>Pés inteiros, as polegadas no próximo campo</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Unidades inglesas, altura e peso apagados</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Unidades métricas, altura e peso apagados</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Sem IMC</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>IMC %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Peso adequado de %1 a %2 libras</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Peso adequado de %1 a %2 quilogramas</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Gasto energético total %1 quilocalorias</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>Não colado: aqui só cabe um número</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>Sobre o Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>Para que serve o Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>O Somatra é um aplicativo compacto que ajuda você a estimar o índice de massa corporal (IMC) e o gasto energético diário (GET) para criar um plano de nutrição adequado.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Quem faz o Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Abre a página inicial do Somatra no navegador</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Fecha esta janela</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>professores, funcionários de escritório, vendedores viajantes, donas de casa</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>vendedores, trabalhadores domésticos, estudantes, trabalhadores de transporte, telhadores, caçadores, pescadores, alguns trabalhos fabris</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>operários, agricultores, pedreiros que fazem todo o trabalho à mão</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>baixo peso</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>IMC abaixo de 18,5 kg/m² (desnutrição proteico-energética)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>peso normal</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>IMC na faixa de 18,5 a 25 kg/m² (peso normal)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>sobrepeso</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>IMC na faixa de 25 a 30 kg/m² (sobrepeso)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>obesidade</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>IMC acima de 30 kg/m² (obesidade)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>verifique o peso</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Verifique o peso: nenhum adulto jamais pesou isso</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>verifique a altura</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Verifique a altura: nenhum adulto jamais mediu isso</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>verifique peso e altura</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Verifique peso e altura: nenhum adulto jamais teve essas medidas</translation>
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
        <translation>sem valor</translation>
    </message>
</context>
</TS>

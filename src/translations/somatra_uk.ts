<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form1</name>
    <message>
        <source>Somatra</source>
        <translation>Somatra</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>кг, см</translation>
    </message>
    <message>
        <source>Kilograms and centimetres</source>
        <translation>Кілограми й сантиметри</translation>
    </message>
    <message>
        <source>English</source>
        <translation>фн, фт</translation>
    </message>
    <message>
        <source>Pounds, feet and inches</source>
        <translation>Фунти, фути й дюйми</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Зріст:</translation>
    </message>
    <message>
        <source>Height (cm)</source>
        <translation>Зріст (см)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>см</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Дюйми</translation>
    </message>
    <message>
        <source>Inches added to the feet</source>
        <translation>Дюйми, додані до футів</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Вага:</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Вага (кг)</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>Range of body weight appropriate for the height</source>
        <translation>Діапазон маси тіла, відповідної зросту</translation>
    </message>
    <message>
        <source>Appropriate weight (kg)</source>
        <translation>Належна вага (кг)</translation>
    </message>
    <message>
        <source>Lower and upper limit</source>
        <translation>Нижня й верхня межа</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Вік</translation>
    </message>
    <message>
        <source>60 and over</source>
        <translation>60 і більше</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Стать</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Чол.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Жін.</translation>
    </message>
    <message>
        <source>Levels of physical activity</source>
        <translation>Рівні фізичної активності</translation>
    </message>
    <message>
        <source>Intensity of physical activity outside work and at work</source>
        <translation>Інтенсивність фізичної активності поза роботою й на роботі</translation>
    </message>
    <message>
        <source>Non-occupational activity</source>
        <translation>Активність поза роботою</translation>
    </message>
    <message>
        <source>Non-occupational activity </source>
        <translation>Активність поза роботою</translation>
    </message>
    <message>
        <source>Non-active</source>
        <translation>Низька</translation>
    </message>
    <message>
        <source>Moderately active</source>
        <translation>Помірна</translation>
    </message>
    <message>
        <source>Very active</source>
        <translation>Висока</translation>
    </message>
    <message>
        <source>Occupation work</source>
        <translation>Активність на роботі</translation>
    </message>
    <message>
        <source>Examples of occupations for the chosen activity at work</source>
        <translation>Приклади професій для вибраної активності на роботі</translation>
    </message>
    <message>
        <source>BMI (kg/m²):</source>
        <translation>ІМТ (кг/м²):</translation>
    </message>
    <message>
        <source>BMI (kg/m</source>
        <translation>ІМТ (кг/м</translation>
    </message>
    <message>
        <source>Body mass:</source>
        <translation>Маса тіла:</translation>
    </message>
    <message>
        <source>Reduced weight</source>
        <translation>Недостатня</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Нормальна</translation>
    </message>
    <message>
        <source>Owerweight</source>
        <translation>Надлишкова</translation>
    </message>
    <message>
        <source>Obesity</source>
        <translation>Ожиріння</translation>
    </message>
    <message>
        <source>Body mass index scale</source>
        <translation>Шкала індексу маси тіла</translation>
    </message>
    <message>
        <source>Bar from 12 to 36 kg/m² that ends at the body mass index</source>
        <translation>Смуга від 12 до 36 кг/м², що закінчується на індексі маси тіла</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index) :</source>
        <translation>ІМТ (індекс маси тіла):</translation>
    </message>
    <message>
        <source>BMI (Body Mass Index)</source>
        <translation>ІМТ (індекс маси тіла)</translation>
    </message>
    <message>
        <source>Kilograms per square metre</source>
        <translation>Кілограми на квадратний метр</translation>
    </message>
    <message>
        <source>kg/m²</source>
        <translation>кг/м²</translation>
    </message>
    <message>
        <source>kg/m</source>
        <translation>кг/м</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>The weight category calls for attention</source>
        <translation>Категорія маси тіла потребує уваги</translation>
    </message>
    <message>
        <source>Approval</source>
        <translation>Схвалення</translation>
    </message>
    <message>
        <source>The weight is in the normal category</source>
        <translation>Маса тіла в нормальній категорії</translation>
    </message>
    <message>
        <source>Weight category of the body mass index</source>
        <translation>Категорія маси тіла за індексом маси тіла</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure) :</source>
        <translation>ЗВЕ (загальні витрати енергії):</translation>
    </message>
    <message>
        <source>TEE (Total Energy Expenditure)</source>
        <translation>ЗВЕ (загальні витрати енергії)</translation>
    </message>
    <message>
        <source>Kilocalories per day</source>
        <translation>Кілокалорії на добу</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>ккал</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Смуга меню</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>фут</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>фнт</translation>
    </message>
    <message>
        <source>Appropriate weight (lbs)</source>
        <translation>Належна вага (фнт)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Зріст (%1)</translation>
    </message>
    <message>
        <source>Weight (%1)</source>
        <translation>Вага (%1)</translation>
    </message>
    <message>
        <source>Whole feet, with the inches in the next box</source>
        <translation>Цілі фути, дюйми в наступному полі</translation>
    </message>
    <message>
        <source>English units, height and weight cleared</source>
        <translation>Англійські одиниці, зріст і вагу очищено</translation>
    </message>
    <message>
        <source>Metric units, height and weight cleared</source>
        <translation>Метричні одиниці, зріст і вагу очищено</translation>
    </message>
    <message>
        <source>No BMI</source>
        <translation>Немає ІМТ</translation>
    </message>
    <message>
        <source>BMI %1, %2</source>
        <translation>ІМТ %1, %2</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 pounds</source>
        <translation>Належна вага від %1 до %2 фунтів</translation>
    </message>
    <message>
        <source>Appropriate weight %1 to %2 kilograms</source>
        <translation>Належна вага від %1 до %2 кілограмів</translation>
    </message>
    <message>
        <source>Total energy expenditure %1 kilocalories</source>
        <translation>Загальні витрати енергії %1 кілокалорій</translation>
    </message>
    <message>
        <source>Not pasted: only a number can go here</source>
        <translation>Не вставлено: тут можна ввести лише число</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About Somatra</source>
        <translation>Про Somatra</translation>
    </message>
    <message>
        <source>What Somatra is for</source>
        <translation>Для чого Somatra</translation>
    </message>
    <message>
        <source>Somatra is a compact application designed to help you estimate the body mass index (BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan.</source>
        <translation>Somatra — компактна програма, яка допомагає оцінити індекс маси тіла (ІМТ) і добові витрати енергії (ЗВЕ), щоб скласти відповідний план харчування.</translation>
    </message>
    <message>
        <source>Who makes Somatra</source>
        <translation>Хто створює Somatra</translation>
    </message>
    <message>
        <source>Opens the Somatra home page in the web browser</source>
        <translation>Відкриває домашню сторінку Somatra у браузері</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Вебсайт</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Закриває це вікно</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>Somatra</name>
    <message>
        <source>teachers, office workers, traveling salesman , housewives </source>
        <translation>вчителі, офісні працівники, комівояжери, домогосподарки</translation>
    </message>
    <message>
        <source>vendors, domestic workers, students, transport workers, roofers,hunters, fisherman, some manufacturing jobs</source>
        <translation>продавці, хатні працівники, студенти, транспортники, покрівельники, мисливці, рибалки, деякі виробничі професії</translation>
    </message>
    <message>
        <source>workers, farmers, masons that all the work done by hand</source>
        <translation>робітники, фермери, муляри, що виконують усю роботу вручну</translation>
    </message>
    <message>
        <source>reduced weight</source>
        <translation>недостатня маса тіла</translation>
    </message>
    <message>
        <source>BMI is lower than 18.5 kg/m2 (protein-energy malnutrition)</source>
        <translation>ІМТ нижче 18,5 кг/м² (білково-енергетична недостатність)</translation>
    </message>
    <message>
        <source>normal weight</source>
        <translation>нормальна маса тіла</translation>
    </message>
    <message>
        <source>BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)</source>
        <translation>ІМТ від 18,5 до 25 кг/м² (нормальна маса тіла)</translation>
    </message>
    <message>
        <source>overweight</source>
        <translation>надлишкова маса тіла</translation>
    </message>
    <message>
        <source>BMI is in the rang from 25 to 30 kg/m2 (overweight)</source>
        <translation>ІМТ від 25 до 30 кг/м² (надлишкова маса тіла)</translation>
    </message>
    <message>
        <source>obesity</source>
        <translation>ожиріння</translation>
    </message>
    <message>
        <source>BMI is greater than 30 kg/m2 (obesity)</source>
        <translation>ІМТ понад 30 кг/м² (ожиріння)</translation>
    </message>
    <message>
        <source>please check the weight</source>
        <translation>перевірте вагу</translation>
    </message>
    <message>
        <source>Please check the weight: no adult has ever weighed that</source>
        <translation>Перевірте вагу: жоден дорослий ніколи стільки не важив</translation>
    </message>
    <message>
        <source>please check the height</source>
        <translation>перевірте зріст</translation>
    </message>
    <message>
        <source>Please check the height: no adult has ever measured that</source>
        <translation>Перевірте зріст: жоден дорослий ніколи не мав такого зросту</translation>
    </message>
    <message>
        <source>please check weight and height</source>
        <translation>перевірте вагу й зріст</translation>
    </message>
    <message>
        <source>Please check weight and height: no adult has ever measured those</source>
        <translation>Перевірте вагу й зріст: жоден дорослий ніколи не мав таких мір</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>немає значення</translation>
    </message>
</context>
</TS>
